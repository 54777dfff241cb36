#pragma once

#include "Screen.h"

namespace vireka {

namespace detail {
// Remembers how to empty a slot, so that tests can start every case with all slots empty.
void rememberSlot(void (*empty)());
} // namespace detail

// The one global slot of screen class S: empty, or holding its one instance.
template <class S>
S *&slot()
{
    static S *instance = nullptr;
    return instance;
}

// Unloads the screen and empties its slot; the next opening builds a fresh one. Safe from the
// screen's own handlers: the instance is released once the handler has returned.
template <class S>
void CloseScreen()
{
    S *screen = slot<S>();
    if (!screen)
        return;
    screen->unload();
    slot<S>() = nullptr;
    screen->deleteLater();
}

enum class Front { Bring, Leave };

// Creates the screen in its slot if needed, loads it if it is not loaded, shows it modeless and
// brings it to the front (unless told to leave it where it opens). An open screen keeps its state.
template <class S>
S &OpenScreen(Front front = Front::Bring)
{
    S *&screen = slot<S>();
    if (!screen) {
        screen = new S();
        screen->setCloser(&CloseScreen<S>);
        detail::rememberSlot([] {
            delete slot<S>();
            slot<S>() = nullptr;
        });
    }
    S &opened = *screen;
    opened.load();
    opened.show();
    if (front == Front::Bring)
        opened.bringToFront();
    return opened;
}

// Empties every slot at once, destroying loaded screens without running anything. For tests.
void emptyAllSlots();

} // namespace vireka

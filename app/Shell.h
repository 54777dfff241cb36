#pragma once

#include <QString>

#include <functional>

class QKeyEvent;
class QObject;

namespace vireka {

// The program's title: the caption of its message boxes.
inline constexpr const char *ProgramTitle = "Vireka";

// Error code of an out-of-memory failure of the folder step.
inline constexpr int OutOfMemory = 7;

// Ends the program at once: every window disappears and no handler of any screen runs afterwards.
void EndProgram();

// Makes the program folder the current directory, ignoring every error. Returns 0 on success,
// OutOfMemory when the step ran out of memory, or another non-zero code for any other failure.
int SetProgramFolder();

// Shows an OK-only message box without an icon, captioned with the program's title.
void ShowMessage(const QString &text);

// Reports a failure that no screen catches, then ends the program.
void ReportFatalError(const char *what);

namespace shell {

// True once the program has ended; handlers check it so that none runs afterwards.
bool programEnded();

// Called by screens as they load and unload; the program ends when none stays loaded.
void screenLoaded();
void screenUnloaded();
int loadedScreenCount();

// Gives a key press to the screen that owns `receiver`, before any control sees it. Called once
// for each key press, with the widget the press was first sent to. Returns true when it was used.
bool deliverKeyPress(QObject *receiver, const QKeyEvent &press);

// Seams for tests: what ending the program does, how messages are shown, and where the program
// folder is. Passing an empty function restores the program's own behaviour.
void setEndAction(std::function<void()> action);
void setMessageAction(std::function<void(const QString &text, const QString &caption)> action);
void setProgramFolderLocator(std::function<QString()> locator);
// Forgets that the program ended, so that a test can start over.
void resetForTests();

} // namespace shell
} // namespace vireka

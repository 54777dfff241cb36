#include "ScreenSlots.h"

#include <vector>

namespace vireka {

namespace {
std::vector<void (*)()> &slotEmptiers()
{
    static std::vector<void (*)()> emptiers;
    return emptiers;
}
} // namespace

void detail::rememberSlot(void (*empty)())
{
    auto &emptiers = slotEmptiers();
    if (std::find(emptiers.begin(), emptiers.end(), empty) == emptiers.end())
        emptiers.push_back(empty);
}

void emptyAllSlots()
{
    for (auto empty : slotEmptiers())
        empty();
}

} // namespace vireka

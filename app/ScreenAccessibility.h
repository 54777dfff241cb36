#pragma once

namespace vireka {

// Teaches screen readers what a screen's window is: a frame (a dialog where its border is a
// dialog's), whose controls are read top to bottom and left to right rather than in stacking order.
// Safe to call more than once.
void installScreenAccessibility();

} // namespace vireka

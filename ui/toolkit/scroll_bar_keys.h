#pragma once

class QScrollBar;

namespace tarnvale {

// Makes the arrow keys of a focused horizontal scroll bar move it the way they point: Right
// and Down step forward, Left and Up step back. Qt 6.4 steps a horizontal scroll bar backwards
// on Right.
void useDirectionalArrowKeys(QScrollBar* bar);

}  // namespace tarnvale

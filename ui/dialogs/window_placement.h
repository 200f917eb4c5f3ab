#pragma once

class QWidget;

namespace tarnvale {

// Moves a window that is about to be shown beside `anchor`: to its right where the screen has
// room, else to its left, its top level with the anchor's. Where neither side has room, the
// window is left where the window system puts it.
void placeBeside(QWidget* window, const QWidget* anchor);

}  // namespace tarnvale

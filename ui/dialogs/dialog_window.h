#pragma once

#include <QRect>

class QWidget;

namespace tarnvale {

// Makes a window a fixed-size dialog with a close box and no minimize or maximize button, its
// client area at `place` on the screen (moved fully onto the screen where it would not fit).
void placeDialogWindow(QWidget* window, QRect place);

}  // namespace tarnvale

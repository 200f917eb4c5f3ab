#pragma once

#include <QPoint>
#include <QRect>
#include <optional>
#include <vector>

class QWidget;

namespace tarnvale {

enum class Side { Left, Right };

// Where a window goes, and where its anchor moves to make room beside it, if it does.
struct Placement {
    QPoint window;
    std::optional<QPoint> anchor;
};

// A window of `size` (its frame included) among the windows shown, each whole on `screen`:
// beside `anchor` on its `first` side, else on the other, where that covers no window; else
// beside the anchor moved along the screen, where the screen has room for both and that covers
// none; else where it covers the least of the others, nearest the anchor's `first` side.
Placement placeAmong(const QRect& screen, QSize size, const QRect& anchor,
                     const std::vector<QRect>& others, Side first);

// Moves a window that is about to be shown (or has changed its size) so: among the program's
// other visible windows, beside `anchor`, top level with it.
void placeBeside(QWidget* window, QWidget* anchor, Side first);

// Whether the window is whole on its screen and covers none of the program's other windows.
bool standsClear(const QWidget* window);

}  // namespace tarnvale

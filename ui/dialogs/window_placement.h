#pragma once

class QWidget;

namespace tarnvale {

// Moves a window that is about to be shown beside `anchor`: to its `first` side where the
// screen has room, else to the other, its top level with the anchor's. Where neither side has room for
// all of it, it goes against the screen's edge on the roomier side, hiding the least of the
// anchor.
enum class Side { Left, Right };

void placeBeside(QWidget* window, const QWidget* anchor, Side first);

}  // namespace tarnvale

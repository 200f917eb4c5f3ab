#include "ui/dialogs/window_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tarnvale {

void placeBeside(QWidget* window, const QWidget* anchor, Side first) {
    const QScreen* screen = anchor->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QRect beside = anchor->frameGeometry();
    // A window not yet shown has no frame: it will take the anchor's.
    const QMargins frame(
        anchor->geometry().left() - beside.left(), anchor->geometry().top() - beside.top(),
        beside.right() - anchor->geometry().right(), beside.bottom() - anchor->geometry().bottom());
    const QSize outer = window->size().grownBy(frame);
    constexpr int kGap = 8;
    const int top = std::clamp(beside.top(), available.top(),
                               std::max(available.top(), available.bottom() - outer.height()));
    const int right = beside.right() + kGap;
    const int left = beside.left() - kGap - outer.width();
    const int roomRight = available.right() - right;
    const int roomLeft = beside.left() - kGap - available.left();
    const bool fitsRight = roomRight >= outer.width();
    const bool fitsLeft = roomLeft >= outer.width();
    if (fitsRight && (first == Side::Right || !fitsLeft)) {
        window->move(right, top);
    } else if (fitsLeft) {
        window->move(left, top);
    } else if (std::max(roomRight, roomLeft) > 0) {
        // Against the screen's edge on the roomier side: the least of the anchor hidden.
        window->move(roomRight >= roomLeft ? available.right() - outer.width() : available.left(),
                     top);
    }
}

}  // namespace tarnvale

#include "ui/dialogs/window_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tarnvale {

void placeBeside(QWidget* window, const QWidget* anchor) {
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
    if (beside.right() + kGap + outer.width() <= available.right()) {
        window->move(beside.right() + kGap, top);
    } else if (beside.left() - kGap - outer.width() >= available.left()) {
        window->move(beside.left() - kGap - outer.width(), top);
    }
}

}  // namespace tarnvale

#include "ui/dialogs/window_placement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <climits>

namespace tarnvale {
namespace {

constexpr int kGap = 8;

long long covered(const QRect& rect, const std::vector<QRect>& others) {
    long long area = 0;
    for (const auto& other : others) {
        const QRect both = rect.intersected(other);
        area += both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
    }
    return area;
}

// The rectangle at `at` moved inside the screen, where it fits.
QRect inside(const QRect& screen, QPoint at, QSize size) {
    const int x = std::clamp(at.x(), screen.left(),
                             std::max(screen.left(), screen.right() + 1 - size.width()));
    const int y = std::clamp(at.y(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return {QPoint(x, y), size};
}

bool whole(const QRect& screen, const QRect& rect) {
    return screen.contains(rect);
}

QPoint beside(const QRect& anchor, QSize size, Side side) {
    return {side == Side::Right ? anchor.right() + kGap : anchor.left() - kGap - size.width(),
            anchor.top()};
}

Side other(Side side) {
    return side == Side::Right ? Side::Left : Side::Right;
}

}  // namespace

Placement placeAmong(const QRect& screen, QSize size, const QRect& anchor,
                     const std::vector<QRect>& others, Side first) {
    std::vector<QRect> shown = others;
    shown.push_back(anchor);
    const int top = inside(screen, anchor.topLeft(), size).top();
    for (const Side side : {first, other(first)}) {
        const QRect rect(QPoint(beside(anchor, size, side).x(), top), size);
        if (whole(screen, rect) && covered(rect, shown) == 0) {
            return {rect.topLeft(), std::nullopt};
        }
    }
    // The anchor moved towards the far edge, just enough for the window beside it.
    for (const Side side : {first, other(first)}) {
        const int anchorX =
            side == Side::Right
                ? std::min(anchor.left(), screen.right() + 1 - size.width() - kGap - anchor.width())
                : std::max(anchor.left(), screen.left() + size.width() + kGap);
        const QRect moved(QPoint(anchorX, anchor.top()), anchor.size());
        const QRect rect(QPoint(beside(moved, size, side).x(), top), size);
        if (whole(screen, moved) && whole(screen, rect) && covered(rect, others) == 0 &&
            covered(moved, others) == 0) {
            return {rect.topLeft(), moved.topLeft()};
        }
    }
    // Nowhere clear: the place that covers the least, nearest beside the anchor.
    std::vector<int> xs = {screen.left(), screen.right() + 1 - size.width(),
                           beside(anchor, size, Side::Right).x(),
                           beside(anchor, size, Side::Left).x()};
    for (const auto& rect : shown) {
        xs.push_back(rect.right() + 1 + kGap);
        xs.push_back(rect.left() - kGap - size.width());
    }
    const QPoint wanted(beside(anchor, size, first).x(), top);
    std::optional<QRect> best;
    long long bestCovered = LLONG_MAX;
    for (const int x : xs) {
        for (const int y : {top, screen.top(), screen.bottom() + 1 - size.height()}) {
            const QRect rect = inside(screen, {x, y}, size);
            const long long area = covered(rect, shown);
            const auto distance = (rect.topLeft() - wanted).manhattanLength();
            if (!best || area < bestCovered ||
                (area == bestCovered && distance < (best->topLeft() - wanted).manhattanLength())) {
                best = rect;
                bestCovered = area;
            }
        }
    }
    return {best->topLeft(), std::nullopt};
}

namespace {

std::vector<QRect> othersThan(const QWidget* window, const QWidget* anchor) {
    std::vector<QRect> rects;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != window && widget != anchor && widget->isVisible() && widget->isWindow()) {
            rects.push_back(widget->frameGeometry());
        }
    }
    return rects;
}

// The frame a window has, or, not yet shown, the one it will take: the anchor's.
QMargins frameOf(const QWidget* window, const QWidget* anchor) {
    const QWidget* framed = window->isVisible() ? window : anchor;
    const QRect outer = framed->frameGeometry();
    const QRect inner = framed->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

}  // namespace

void placeBeside(QWidget* window, QWidget* anchor, Side first) {
    const QScreen* screen = anchor->screen();
    if (screen == nullptr) {
        return;
    }
    if (!window->isVisible()) {
        // Its size once shown: polished with its style and fonts, as its layout asks, within the
        // screen (adjustSize() would cut it to two thirds of the screen).
        window->ensurePolished();
        const QSize room = screen->availableGeometry().size();
        window->resize(window->size().expandedTo(window->sizeHint()).boundedTo(room));
    }
    const QMargins frame = frameOf(window, anchor);
    const auto placement = placeAmong(screen->availableGeometry(), window->size().grownBy(frame),
                                      anchor->frameGeometry(), othersThan(window, anchor), first);
    window->move(placement.window);
    if (placement.anchor) {
        anchor->move(*placement.anchor);
    }
}

bool standsClear(const QWidget* window) {
    const QScreen* screen = window->screen();
    const QRect rect = window->frameGeometry();
    return screen != nullptr && screen->availableGeometry().contains(rect) &&
           covered(rect, othersThan(window, nullptr)) == 0;
}

}  // namespace tarnvale

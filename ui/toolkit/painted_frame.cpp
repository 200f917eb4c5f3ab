#include "painted_frame.h"

#include <QPainter>
#include <ranges>

#include "painted_items.h"

namespace tarnvale {

PaintedFrame::PaintedFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void PaintedFrame::addItem(PaintedItem* item) {
    items_.push_back(item);
}

void PaintedFrame::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    QPainter painter(this);
    for (const auto* item : items_ | std::views::reverse) {
        painter.save();
        item->paint(painter);
        painter.restore();
    }
}

}  // namespace tarnvale

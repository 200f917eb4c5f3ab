#include "ui/toolkit/painted_frame.h"

#include <QPainter>

#include "ui/toolkit/painted_items.h"

namespace tarnvale {

void PaintedHost::paintItems(QPainter& painter) const {
    for (auto item = items_.rbegin(); item != items_.rend(); ++item) {
        if (!(*item)->isVisible()) {
            continue;
        }
        painter.save();
        (*item)->paint(painter);
        painter.restore();
    }
}

PaintedFrame::PaintedFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void PaintedFrame::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    QPainter painter(this);
    paintItems(painter);
}

PaintedSurface::PaintedSurface(QWidget* parent) : QWidget(parent) {}

void PaintedSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintItems(painter);
}

}  // namespace tarnvale

#include "ui/toolkit/painted_items.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

#include "ui/toolkit/painted_frame.h"
#include "ui/toolkit/twips.h"

namespace tarnvale {

PaintedItem::PaintedItem(const QString& name, PaintedHost* host)
    : QObject(host->hostWidget()), host_(host) {
    setObjectName(name);
    host->addItem(this);
}

void PaintedItem::setVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        changed();
    }
}

void PaintedItem::changed() {
    host_->hostWidget()->update();
}

void PaintedItem::setTwips(float& field, float value) {
    if (field != value) {
        field = value;
        changed();
    }
}

PaintedBox::PaintedBox(const QString& name, PaintedHost* host, float left, float top, float width,
                       float height)
    : PaintedItem(name, host), left_(left), top_(top), width_(width), height_(height) {}

QRectF PaintedBox::pixelRect() const {
    return twipRectF(left_, top_, width_, height_);
}

PaintedShape::PaintedShape(const QString& name, PaintedHost* host, float left, float top,
                           float width, float height, QColor fill, QColor border)
    : PaintedBox(name, host, left, top, width, height), fill_(fill), border_(border) {}

void PaintedShape::setColours(QColor fill, QColor border) {
    if (fill != fill_ || border != border_) {
        fill_ = fill;
        border_ = border;
        changed();
    }
}

void PaintedShape::paint(QPainter& painter) const {
    const QRectF rect = pixelRect();
    painter.fillRect(rect, fill_);
    // The border lies inside the rectangle, one pixel wide.
    painter.setPen(QPen(border_, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
}

PaintedLine::PaintedLine(const QString& name, PaintedHost* host, float x1, float y1, float x2,
                         float y2, QColor colour, int widthPixels)
    : PaintedItem(name, host),
      x1_(x1),
      y1_(y1),
      x2_(x2),
      y2_(y2),
      colour_(colour),
      widthPixels_(widthPixels) {}

void PaintedLine::paint(QPainter& painter) const {
    painter.setPen(QPen(colour_, widthPixels_, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(twipPointF(x1_, y1_), twipPointF(x2_, y2_));
}

PaintedMarks::PaintedMarks(const QString& name, PaintedHost* host, float top, float height,
                           QColor colour)
    : PaintedItem(name, host), top_(top), height_(height), colour_(colour) {}

void PaintedMarks::setXs(QList<float> twips) {
    if (xs_ != twips) {
        xs_ = std::move(twips);
        changed();
    }
}

void PaintedMarks::paint(QPainter& painter) const {
    painter.setPen(QPen(colour_, 1, Qt::SolidLine, Qt::FlatCap));
    for (const float x : xs_) {
        painter.drawLine(twipPointF(x, top_), twipPointF(x, top_ + height_));
    }
}

PaintedLabel::PaintedLabel(const QString& name, PaintedHost* host, float left, float top,
                           float width, float height, const QString& caption, LabelStyle style)
    : PaintedBox(name, host, left, top, width, height),
      caption_(caption),
      style_(std::move(style)) {
    fitToCaption();
}

void PaintedLabel::setCaption(const QString& caption) {
    if (caption_ == caption) {
        return;
    }
    caption_ = caption;
    fitToCaption();
    changed();
}

void PaintedLabel::setFontSize(double points) {
    style_.font.setPointSizeF(points);
    fitToCaption();
    changed();
}

void PaintedLabel::fitToCaption() {
    if (!style_.autoSize) {
        return;
    }
    // Whole pixels, as the label covers them on screen.
    const QFontMetricsF metrics(style_.font);
    setWidth(static_cast<float>(pixelsToTwips(qCeil(metrics.horizontalAdvance(caption_)))));
    setHeight(static_cast<float>(pixelsToTwips(qCeil(metrics.height()))));
}

void PaintedLabel::paint(QPainter& painter) const {
    const QRectF rect = pixelRect();
    if (style_.background) {
        painter.fillRect(rect, *style_.background);
    }
    painter.setFont(style_.font);
    painter.setPen(style_.text);
    const int align = Qt::AlignTop | (style_.centred ? Qt::AlignHCenter
                                      : style_.right ? Qt::AlignRight
                                                     : Qt::AlignLeft);
    // A label sized to its caption has no need to wrap, and a rounded width must not make it.
    painter.drawText(rect, style_.autoSize ? align : align | Qt::TextWordWrap, caption_);
}

}  // namespace tarnvale

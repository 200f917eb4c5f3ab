#include "ui/toolkit/fitted_title.h"

#include <QFontMetricsF>
#include <QGroupBox>

namespace tarnvale {
namespace {

constexpr double kSmallestPoints = 6.0;
constexpr double kStepPoints = 0.25;
constexpr double kTitleMarginPixels = 20.0;  // the frame's corner and the title's padding

}  // namespace

void setFittedTitle(QGroupBox* frame, const QString& title) {
    QFont font = frame->parentWidget() ? frame->parentWidget()->font() : frame->font();
    const double room = frame->width() - kTitleMarginPixels;
    while (font.pointSizeF() > kSmallestPoints &&
           QFontMetricsF(font).horizontalAdvance(title) > room) {
        font.setPointSizeF(font.pointSizeF() - kStepPoints);
    }
    frame->setFont(font);
    frame->setTitle(title);
}

}  // namespace tarnvale

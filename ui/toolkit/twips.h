#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>

namespace tarnvale {

// Layouts are in twips; 15 twips make one device-independent pixel, which Qt scales for
// high-DPI screens.
inline constexpr double kTwipsPerPixel = 15.0;

constexpr double twipsToPixels(double twips) {
    return twips / kTwipsPerPixel;
}
constexpr double pixelsToTwips(double pixels) {
    return pixels * kTwipsPerPixel;
}

// A widget's rectangle, rounded to whole pixels.
QRect twipRect(int left, int top, int width, int height);

// A painted item's rectangle, kept fractional so placement follows the twips exactly.
QRectF twipRectF(double left, double top, double width, double height);

QPointF twipPointF(double x, double y);

}  // namespace tarnvale

#include "ui/toolkit/twips.h"

#include <QtMath>

namespace tarnvale {

QRect twipRect(int left, int top, int width, int height) {
    return {qRound(twipsToPixels(left)), qRound(twipsToPixels(top)), qRound(twipsToPixels(width)),
            qRound(twipsToPixels(height))};
}

QRectF twipRectF(double left, double top, double width, double height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QPointF twipPointF(double x, double y) {
    return {twipsToPixels(x), twipsToPixels(y)};
}

}  // namespace tarnvale

#include "ui/spectrum/spectrum_geometry.h"

namespace tarnvale {
namespace {

float stored(double twips) {
    return static_cast<float>(twips);
}

}  // namespace

BandWindowMark placeBandWindow(Scale fullScale, double startMhz, double stopMhz) {
    const double k1 = fullScale.width / kFullScaleMhz;
    BandWindowMark mark{};
    mark.startConnectorX = stored(startMhz * k1 + fullScale.left);
    mark.stopConnectorX = stored(stopMhz * k1 + fullScale.left);
    mark.markLeft = stored(double{mark.startConnectorX} + kOnePixelTwips);
    mark.markWidth = stored(double{mark.stopConnectorX} - double{mark.startConnectorX});
    return mark;
}

CarrierMarks placeCarriers(Scale zoomedScale, double startMhz, double stopMhz, double forwardMhz,
                           double reverseMhz, float gapLabelWidth) {
    const double k2 = zoomedScale.width / (stopMhz - startMhz);
    CarrierMarks marks{};
    marks.forwardX = stored((forwardMhz - startMhz) * k2 + zoomedScale.left);
    marks.reverseX = stored((reverseMhz - startMhz) * k2 + zoomedScale.left);
    marks.duplexX1 = stored(double{marks.forwardX} - kOnePixelTwips);
    marks.duplexX2 = marks.reverseX;
    marks.gapLabelLeft =
        stored((double{marks.duplexX2} + double{marks.duplexX1}) / 2 - double{gapLabelWidth} / 2);
    return marks;
}

}  // namespace tarnvale

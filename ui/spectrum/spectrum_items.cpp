#include "ui/spectrum/spectrum_items.h"

#include <QPalette>
#include <algorithm>

#include "ui/spectrum/spectrum_geometry.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/painted_frame.h"
#include "ui/toolkit/painted_items.h"

namespace tarnvale {
namespace {

const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);

LabelStyle plainLabel(const PaintedFrame* frame, bool centred) {
    return {windowFont(), frame->palette().color(QPalette::WindowText),
            frame->palette().color(QPalette::Window), centred, false};
}

Scale scaleOf(const PaintedShape* shape) {
    return {shape->left(), shape->width()};
}

}  // namespace

SpectrumItems buildSpectrumItems(PaintedFrame* f) {
    const QColor windowText = f->palette().color(QPalette::WindowText);
    const QColor workspace = f->palette().color(QPalette::Mid);
    const LabelStyle gapLabel{layoutFont("Microsoft Sans Serif", 6), kWhite, kGrey, true, true};
    SpectrumItems s{};
    s.shpSubBand = new PaintedShape("shpSubBand", f, 1800, 370, 735, 240, kGrey, kGrey);
    s.lblFDD = new PaintedLabel("lblFDD", f, 2610, 1020, 555, 135, " xxx MHz ", gapLabel);
    s.lineFDD = new PaintedLine("lineFDD", f, 3840, 1080, 1920, 1080, kWhite, 1);
    s.lineRev2 = new PaintedLine("lineRev2", f, 3840, 960, 3840, 1200, kBlue, 2);
    s.lineFwd2 = new PaintedLine("lineFwd2", f, 1920, 960, 1920, 1200, kGreen, 2);
    s.shpFreqScale1 =
        new PaintedShape("shpFreqScale1", f, 240, 360, 6855, 255, Qt::black, workspace);
    s.lblFStart = new PaintedLabel("lblFStart", f, 240, 615, 135, 255, "0", plainLabel(f, false));
    s.lblFStop = new PaintedLabel("lblFStop", f, 6720, 615, 375, 255, "2200", plainLabel(f, false));
    s.lblSpec1 = new PaintedLabel("lblSpec1", f, 2880, 1320, 1455, 255, "Frequency (MHz)",
                                  plainLabel(f, true));
    s.shpFreqScale2 = new PaintedShape("shpFreqScale2", f, 600, 960, 6015, 255, kGrey, Qt::black);
    s.lblBandStart =
        new PaintedLabel("lblBandStart", f, 240, 1200, 735, 255, "0", plainLabel(f, true));
    s.lblBandStop =
        new PaintedLabel("lblBandStop", f, 6120, 1215, 975, 255, "0", plainLabel(f, true));
    s.lineFStart = new PaintedLine("lineFStart", f, 885, 615, 600, 960, windowText, 1);
    s.lineFStop = new PaintedLine("lineFStop", f, 4200, 615, 6600, 960, windowText, 1);
    return s;
}

void drawBandWindow(const SpectrumItems& s, double startMhz, double stopMhz) {
    const auto mark = placeBandWindow(scaleOf(s.shpFreqScale1), startMhz, stopMhz);
    s.lineFStart->setX1(mark.startConnectorX);
    s.lineFStop->setX1(mark.stopConnectorX);
    s.shpSubBand->setLeft(mark.markLeft);
    s.shpSubBand->setWidth(mark.markWidth);
}

void drawCarriers(const SpectrumItems& s, double startMhz, double stopMhz, double forwardMhz,
                  double reverseMhz) {
    // A carrier at the window's edge would lie on the scale's frame line, where it cannot be
    // seen: the marks keep two pixels inside it.
    const Scale scale = scaleOf(s.shpFreqScale2);
    const double insetMhz = 2 * kOnePixelTwips * (stopMhz - startMhz) / scale.width;
    const auto inside = [&](double mhz) {
        return std::clamp(mhz, startMhz + insetMhz, stopMhz - insetMhz);
    };
    const auto marks = placeCarriers(scale, startMhz, stopMhz, inside(forwardMhz),
                                     inside(reverseMhz), s.lblFDD->width());
    s.lineFwd2->setX1(marks.forwardX);
    s.lineFwd2->setX2(marks.forwardX);
    s.lineRev2->setX1(marks.reverseX);
    s.lineRev2->setX2(marks.reverseX);
    s.lineFDD->setX1(marks.duplexX1);
    s.lineFDD->setX2(marks.duplexX2);
    s.lblFDD->setLeft(marks.gapLabelLeft);
}

}  // namespace tarnvale

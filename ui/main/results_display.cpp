#include <QLabel>
#include <QLineEdit>
#include <limits>

#include "engine/conversion.h"
#include "engine/number_text.h"
#include "ui/main/main_window.h"
#include "ui/spectrum/spectrum_items.h"
#include "ui/toolkit/painted_frame.h"
#include "ui/toolkit/painted_items.h"

namespace tarnvale {
namespace {

constexpr double kGapLabelPoints = 8;
constexpr double kNmt450GapLabelPoints = 6;
constexpr float kGapLabelDrop = 30;
constexpr float kNmt450GapLabelDrop = 60;

}  // namespace

void MainWindow::ShowResults(double forward, double reverse) {
    auto& s = c_.spectrum;
    c_.lblFwdFreq->setText(numbers_.frequency(forward));
    c_.lblRevFreq->setText(numbers_.frequency(reverse));
    s.lblFDD->setCaption(" " + numbers_.number(forward - reverse) + " MHz ");
    // The gap label is centred with the width of its new text in the font it still has.
    drawCarriers(s, bandWindowStart(), bandWindowStop(), forward, reverse);

    const bool wcdma = state_.RadioFormat == "WCDMA";
    c_.lblDL->setVisible(wcdma);
    c_.lblUL->setVisible(wcdma);
    c_.txtDLChan->setVisible(wcdma);

    const bool nmt450 = state_.BandName == "NMT450";
    s.lblFDD->setFontSize(nmt450 ? kNmt450GapLabelPoints : kGapLabelPoints);
    s.lblFDD->setTop(s.shpFreqScale2->top() + (nmt450 ? kNmt450GapLabelDrop : kGapLabelDrop));

    state_.PrevChannel = state_.CurChannel;
    c_.txtChan->setText(toQString(channelText(state_.CurChannel)));
    updateDownlinkChannel();
    c_.txtDLChan->setText(toQString(channelText(state_.DLChannel)));
    describeSpectrum(forward, reverse);

    c_.txtChan->setFocus();
    selectChannelText();
}

// Outside WCDMA, and where the sum would leave 16 bits (no listed channel gets there), the
// downlink channel keeps its value.
void MainWindow::updateDownlinkChannel() {
    const auto downlink = plan_ ? pairedDownlinkChannel(*plan_, state_.CurChannel) : std::nullopt;
    if (downlink && *downlink <= std::numeric_limits<WindowChannel>::max()) {
        state_.DLChannel = static_cast<WindowChannel>(*downlink);
    }
}

void MainWindow::DrawBandWindow() {
    drawBandWindow(c_.spectrum, bandWindowStart(), bandWindowStop());
}

// The band window lives only in its two captions, read back with the locale that wrote them.
double MainWindow::bandWindowStart() const {
    return numbers_.read(c_.spectrum.lblBandStart->caption()).value_or(0.0);
}

double MainWindow::bandWindowStop() const {
    return numbers_.read(c_.spectrum.lblBandStop->caption()).value_or(0.0);
}

// The picture in words, for screen readers.
void MainWindow::describeSpectrum(double forward, double reverse) {
    c_.Frame1->setAccessibleDescription(
        QString(
            "Band window %1 to %2 MHz; forward carrier %3 MHz; reverse carrier %4 MHz; duplex gap "
            "%5 MHz")
            .arg(c_.spectrum.lblBandStart->caption(), c_.spectrum.lblBandStop->caption(),
                 numbers_.frequency(forward), numbers_.frequency(reverse),
                 numbers_.number(forward - reverse)));
}

}  // namespace tarnvale

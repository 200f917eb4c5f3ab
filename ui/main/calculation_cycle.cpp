#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "engine/conversion.h"
#include "engine/number_text.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/alerts.h"

namespace tarnvale {

void MainWindow::CalculateFrequencies() {
    if (FindChannelIndex() == -1) {
        ReportInvalidChannel();
        return;
    }
    const auto result = plan_ ? convertChannel(*plan_, state_.CurChannel) : Conversion{};
    c_.lblChSpc->setText(numbers_.channelSpacing(result.spacing));
    ShowResults(result.forward, result.reverse);
    // Moving the bar recalculates the same channel once; the nested run moves nothing.
    c_.sbFreq->setValue(FindChannelIndex());
}

void MainWindow::ReportInvalidChannel() {
    alerts_.warn("Please enter valid channel", "Invalid Channel");
    state_.CurChannel = state_.PrevChannel;
    c_.txtChan->setText(toQString(channelText(state_.CurChannel)));
    selectChannelText();
}

void MainWindow::selectChannelText() {
    c_.txtChan->setSelection(0, 10);
}

}  // namespace tarnvale

#include <QScrollBar>
#include <limits>

#include "engine/number_text.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/alerts.h"
#include "ui/toolkit/channel_keys.h"
#include "ui/toolkit/text_box.h"

namespace tarnvale {
namespace {

using namespace keycode;

constexpr int kMaxTypedLength = 5;

}  // namespace

void MainWindow::txtChan_Click() {
    selectChannelText();
}

void MainWindow::txtChan_KeyPress(int& keyAscii) {
    const ChannelKey key = channelKeyOf(keyAscii);
    if (key == ChannelKey::Backspace) {
        return;
    }
    if (key == ChannelKey::Digit) {
        if (c_.txtChan->text().size() >= kMaxTypedLength) {
            keyAscii = kCancel;  // counted whatever part of the text is selected
        }
        return;
    }
    keyAscii = kCancel;
    switch (key) {
        case ChannelKey::Enter:
            enterTypedChannel();
            break;
        case ChannelKey::Next:
            stepChannel(+1);
            break;
        case ChannelKey::Previous:
            stepChannel(-1);
            break;
        case ChannelKey::Last:
            c_.sbFreq->setValue(c_.sbFreq->maximum());
            CalculateFrequencies();
            break;
        case ChannelKey::First:
            c_.sbFreq->setValue(0);
            CalculateFrequencies();
            break;
        default:
            break;
    }
}

void MainWindow::enterTypedChannel() {
    const QString text = c_.txtChan->text();
    if (text.isEmpty()) {
        c_.txtChan->setText(toQString(channelText(state_.CurChannel)));
        c_.txtChan->setFocus();
        selectChannelText();
        return;
    }
    // Text that is no 16-bit number (typed past 32767, or pasted) is no channel of any band.
    const auto channel = parseChannel(text.toStdString());
    if (!channel || *channel < std::numeric_limits<WindowChannel>::min() ||
        *channel > std::numeric_limits<WindowChannel>::max()) {
        ReportInvalidChannel();
        return;
    }
    state_.CurChannel = static_cast<WindowChannel>(*channel);
    CalculateFrequencies();
}

// The scroll bar's change handler makes the channel at the new position current.
void MainWindow::stepChannel(int direction) {
    const int position = c_.sbFreq->value();
    const bool atEnd = direction > 0 ? position >= c_.sbFreq->maximum() : position <= 0;
    if (atEnd) {
        alerts_.beep();
        return;
    }
    c_.sbFreq->setValue(position + direction);
}

}  // namespace tarnvale

#include <QLabel>

#include "engine/input_text.h"
#include "engine/number_text.h"
#include "ui/dialogs/carrier_dialog.h"
#include "ui/toolkit/alerts.h"
#include "ui/toolkit/text_box.h"

// The Carrier window's channel box: the main window's keys, over the channels where a carrier
// of the chosen shape is valid.
namespace tarnvale {
namespace {

using namespace keycode;

constexpr int kMaxTypedLength = 7;  // NR-ARFCNs run to 3279165

}  // namespace

void CarrierDialog::channelKeyPress(int& keyAscii) {
    const int key = keyAscii;
    if (key == kBackspace || key == kEscape) {
        return;  // Escape goes on to the window, which closes
    }
    if (key >= '0' && key <= '9') {
        if (txtCarrierChannel_->text().size() >= kMaxTypedLength &&
            !txtCarrierChannel_->hasSelectedText()) {
            keyAscii = kCancel;
        }
        return;
    }
    keyAscii = kCancel;
    if (key == kEnter) {
        enterTypedChannel();
    } else if (key == '+' || key == '=') {
        step(+1);
    } else if (key == '-') {
        step(-1);
    } else if ((key == 'T' || key == 't') && !channels_.empty()) {
        showListed(channels_.size() - 1);
    } else if ((key == 'B' || key == 'b') && !channels_.empty()) {
        showListed(0);
    }
}

// A number that is no valid carrier is refused with the reason, which names the nearest valid
// channel, and the channel shown before comes back.
void CarrierDialog::enterTypedChannel() {
    const auto band = chosenBand();
    if (!band || !shape_ || channels_.empty()) {
        alerts_.beep();
        return;
    }
    const QString text = txtCarrierChannel_->text();
    if (!text.isEmpty()) {
        const auto number = readChannelNumber(text.toStdString());
        const auto carrier = number.value ? carrierAt(*band, *number.value, *shape_)
                                          : Reading<BandwidthCarrier>{std::nullopt, number.problem};
        if (carrier.value) {
            const auto& side =
                carrier.value->downlink ? carrier.value->downlink : carrier.value->uplink;
            showListed(*channels_.indexOf(side->channel));
            txtCarrierChannel_->selectAll();
            return;
        }
        alerts_.warn(toQString(carrier.problem), "Invalid Channel");
    }
    showListed(index_);
    txtCarrierChannel_->setFocus();
    txtCarrierChannel_->selectAll();
}

void CarrierDialog::step(int direction) {
    const bool atEnd =
        channels_.empty() || (direction > 0 ? index_ + 1 >= channels_.size() : index_ == 0);
    if (atEnd) {
        alerts_.beep();
        return;
    }
    showListed(direction > 0 ? index_ + 1 : index_ - 1);
}

void CarrierDialog::showListed(std::size_t index) {
    index_ = index;
    const Channel channel = channels_.at(index);
    txtCarrierChannel_->setText(toQString(channelText(channel)));
    const auto carrier = carrierAt(*chosenBand(), channel, *shape_);
    carrier_ = carrier.value;
    if (!carrier_) {
        showNoCarrier(toQString(carrier.problem));
        return;
    }
    showCarrier();
}

}  // namespace tarnvale

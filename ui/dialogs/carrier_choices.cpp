#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <algorithm>
#include <cstdlib>
#include <set>

#include "engine/band_table.h"
#include "engine/format.h"
#include "ui/dialogs/carrier_dialog.h"
#include "ui/toolkit/text_box.h"

// The Carrier window's lists: format, band, bandwidth and spacing, each filled from the choice
// above it. A choice keeps what it can: a band change keeps the bandwidth, spacing and channel
// where the new band allows them, and takes the nearest ones it allows where it does not.
namespace tarnvale {
namespace {

// The item whose value is nearest to `wanted`, the smaller of two as near; the first for 0.
int nearestItem(const QComboBox* box, std::int32_t wanted) {
    int best = 0;
    for (int i = 1; i < box->count(); ++i) {
        const auto distance = [&](int item) {
            return std::abs(box->itemData(item).toInt() - wanted);
        };
        if (wanted != 0 && distance(i) < distance(best)) {
            best = i;
        }
    }
    return best;
}

}  // namespace

std::optional<BandRef> CarrierDialog::chosenBand() const {
    const int format = cboCarrierFormat_->currentIndex();
    const int band = cboCarrierBand_->currentIndex();
    if (format < 0 || band < 0) {
        return std::nullopt;
    }
    return bandsOf(
        kBandwidthFormats[static_cast<std::size_t>(format)])[static_cast<std::size_t>(band)];
}

void CarrierDialog::formatChosen() {
    const auto format =
        kBandwidthFormats[static_cast<std::size_t>(cboCarrierFormat_->currentIndex())];
    cboCarrierBand_->clear();
    for (const BandRef band : bandsOf(format)) {
        cboCarrierBand_->addItem(toQString(band.name()));
    }
    spnOffsetToCarrier_->setEnabled(format == Format::Nr);
    bandChosen();
}

void CarrierDialog::bandChosen() {
    fillBandwidths(shape_ ? shape_->bandwidthKhz : 0);
    fillSpacings(shape_ ? shape_->scsKhz : 0);
    shapeChosen();
}

void CarrierDialog::bandwidthChosen() {
    fillSpacings(shape_ ? shape_->scsKhz : 0);
    shapeChosen();
}

void CarrierDialog::fillBandwidths(std::int32_t wantedKhz) {
    std::set<std::int32_t> widths;
    if (const auto band = chosenBand()) {
        for (const auto& allowed : allowedBandwidths(*band)) {
            widths.insert(allowed.bandwidthKhz);
        }
    }
    cboBandwidth_->clear();
    for (const auto khz : widths) {
        cboBandwidth_->addItem(numbers_.number(khz / 1000.0) + " MHz", khz);
    }
    cboBandwidth_->setCurrentIndex(nearestItem(cboBandwidth_, wantedKhz));
    cboBandwidth_->setEnabled(cboBandwidth_->count() > 1);
}

// UMTS carriers have no subcarriers, LTE ones 15 kHz only: the list has a choice for NR alone.
void CarrierDialog::fillSpacings(std::int32_t wantedKhz) {
    const auto band = chosenBand();
    const int width = cboBandwidth_->currentData().toInt();
    cboScs_->clear();
    if (band) {
        for (const auto& allowed : allowedBandwidths(*band)) {
            if (allowed.bandwidthKhz == width && allowed.scsKhz != 0) {
                cboScs_->addItem(QString("%1 kHz").arg(allowed.scsKhz), allowed.scsKhz);
            }
        }
    }
    const int wanted = cboScs_->findData(wantedKhz);
    cboScs_->setCurrentIndex(wanted >= 0 ? wanted : 0);
    cboScs_->setEnabled(band && band->format() == Format::Nr && cboScs_->count() > 0);
}

// The carrier of the chosen shape at the channel shown before, or the nearest valid one.
void CarrierDialog::shapeChosen() {
    const auto band = chosenBand();
    const Channel before = carrier_ && !channels_.empty() ? channels_.at(index_) : -1;
    shape_.reset();
    channels_ = {};
    carrier_.reset();
    if (!band) {
        return;
    }
    if (cboBandwidth_->count() == 0) {
        showNoCarrier(toQString(noBandwidthText(*band)));
        return;
    }
    const auto scs =
        cboScs_->count() > 0 ? std::optional(cboScs_->currentData().toInt()) : std::nullopt;
    const auto shape =
        carrierShape(*band, cboBandwidth_->currentData().toInt(), scs,
                     spnOffsetToCarrier_->isEnabled() ? spnOffsetToCarrier_->value() : 0);
    if (!shape.value) {
        showNoCarrier(toQString(shape.problem));
        return;
    }
    shape_ = shape.value;
    channels_ = carrierChannels(*band, *shape_);
    if (channels_.empty()) {
        showNoCarrier(QString("No channel of %1 %2 holds a carrier of this bandwidth")
                          .arg(toQString(band->formatName()), toQString(band->name())));
        return;
    }
    const auto kept = before >= 0 ? channels_.nearest(before) : std::nullopt;
    showListed(kept ? *channels_.indexOf(*kept) : 0);
}

}  // namespace tarnvale

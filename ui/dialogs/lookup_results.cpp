#include "ui/dialogs/lookup_results.h"

#include <algorithm>

namespace tarnvale {

LookupResults::LookupResults(QObject* parent)
    : channels_(new RowsModel<report::kChannelColumns>(parent)),
      carriers_(new RowsModel<report::kFindColumns>(parent)) {}

void LookupResults::showChannels(std::vector<ChannelRecord> records) {
    channels_->setRows(std::move(records));
    showingCarriers_ = false;
}

void LookupResults::showCarriers(std::vector<CarrierMatch> matches) {
    carriers_->setRows(std::move(matches));
    showingCarriers_ = true;
}

QAbstractItemModel* LookupResults::model() const {
    return showingCarriers_ ? static_cast<QAbstractItemModel*>(carriers_) : channels_;
}

int LookupResults::rowCount() const {
    return model()->rowCount();
}

// A carrier's channel: the record that lists it, or the record of its direction's number.
std::optional<ChannelRecord> LookupResults::channelOf(int row) const {
    if (!showingCarriers_) {
        return channels_->row(row);
    }
    const auto& m = carriers_->row(row);
    const bool classic = m.band.plan<ClassicPlan>() != nullptr;
    for (const auto& r : channelRecords(m.band, m.channel)) {
        const auto own = m.direction == Direction::Downlink ? r.downlinkChannel : r.uplinkChannel;
        if (classic ? r.channel == m.channel : own == m.channel) {
            return r;
        }
    }
    return std::nullopt;
}

std::vector<Format> LookupResults::formatsShown() const {
    std::vector<Format> formats;
    const auto add = [&formats](BandRef band) {
        if (std::ranges::find(formats, band.format()) == formats.end()) {
            formats.push_back(band.format());
        }
    };
    if (showingCarriers_) {
        for (const auto& m : carriers_->rows()) {
            add(m.band);
        }
    } else {
        for (const auto& r : channels_->rows()) {
            add(r.band);
        }
    }
    return formats;
}

std::string LookupResults::csv(const std::vector<int>& rows) const {
    return showingCarriers_ ? carriers_->csv(rows) : channels_->csv(rows);
}

}  // namespace tarnvale

#include "engine/carrier_choice.h"

#include <algorithm>
#include <cstdlib>

#include "engine/band_table.h"
#include "engine/input_text.h"
#include "engine/ssb.h"

namespace tarnvale {
namespace {

// The value nearest to `wanted`, the smaller of two as near; the first for 0 or none wanted.
std::int32_t nearestValue(const std::vector<std::int32_t>& values, std::int32_t wanted) {
    if (values.empty()) {
        return 0;
    }
    std::int32_t best = values.front();
    for (const auto value : values) {
        if (wanted != 0 && std::abs(value - wanted) < std::abs(best - wanted)) {
            best = value;
        }
    }
    return best;
}

}  // namespace

CarrierChoice::CarrierChoice() : band_(bandsOf(kBandwidthFormats.front()).front()) {
    chooseBand(band_);
}

void CarrierChoice::chooseFormat(Format format) {
    chooseBand(bandsOf(format).front());
}

void CarrierChoice::chooseBand(BandRef band) {
    band_ = band;
    fillBandwidths(shape_ ? shape_->bandwidthKhz : 0);
    fillSpacings(shape_ ? shape_->scsKhz : 0);
    shapeChosen(shownChannel());
}

void CarrierChoice::chooseBandwidth(std::int32_t khz) {
    bandwidthKhz_ = khz;
    fillSpacings(shape_ ? shape_->scsKhz : 0);
    shapeChosen(shownChannel());
}

void CarrierChoice::chooseSpacing(std::int32_t scsKhz) {
    scsKhz_ = scsKhz;
    shapeChosen(shownChannel());
}

void CarrierChoice::chooseOffsetToCarrier(std::int32_t resourceBlocks) {
    offsetToCarrier_ = resourceBlocks;
    shapeChosen(shownChannel());
}

void CarrierChoice::showChannel(BandRef band, Channel channel) {
    band_ = band;
    // An NR carrier opens with SS block positions to show where a width of the band has them.
    const auto withSsb = [](const BandwidthCarrier& carrier) {
        return carrier.band.format() != Format::Nr ||
               (carrier.downlink && !ssbPositions(carrier).empty());
    };
    auto narrowest = narrowestShapeAt(band, channel, withSsb);
    narrowest = narrowest ? narrowest : narrowestShapeAt(band, channel);
    fillBandwidths(narrowest ? narrowest->bandwidthKhz : 0);
    fillSpacings(narrowest ? narrowest->scsKhz : 0);
    shapeChosen(channel);
    if (!shape_ || channels_.empty()) {
        return;
    }
    // An uplink number is shown as its downlink, which the nearest-by-number rule cannot find.
    if (const auto carrier = carrierAt(band, channel, *shape_).value) {
        show(*channels_.indexOf(listedSide(*carrier).channel));
    }
}

bool CarrierChoice::step(int direction) {
    const bool atEnd =
        channels_.empty() || (direction > 0 ? index_ + 1 >= channels_.size() : index_ == 0);
    if (atEnd) {
        return false;
    }
    show(direction > 0 ? index_ + 1 : index_ - 1);
    return true;
}

bool CarrierChoice::goToFirst() {
    if (channels_.empty()) {
        return false;
    }
    show(0);
    return true;
}

bool CarrierChoice::goToLast() {
    if (channels_.empty()) {
        return false;
    }
    show(channels_.size() - 1);
    return true;
}

std::optional<std::string> CarrierChoice::enterChannel(std::string_view text) {
    if (!shape_) {
        return problem_;
    }
    const auto number = readChannelNumber(text);
    if (!number.value) {
        return number.problem;
    }
    const auto carrier = carrierAt(band_, *number.value, *shape_);
    if (!carrier.value) {
        return carrier.problem;
    }
    show(*channels_.indexOf(listedSide(*carrier.value).channel));
    return std::nullopt;
}

void CarrierChoice::fillBandwidths(std::int32_t wantedKhz) {
    bandwidths_.clear();
    for (const auto& allowed : allowedBandwidths(band_)) {
        bandwidths_.push_back(allowed.bandwidthKhz);
    }
    std::ranges::sort(bandwidths_);
    bandwidths_.erase(std::unique(bandwidths_.begin(), bandwidths_.end()), bandwidths_.end());
    bandwidthKhz_ = nearestValue(bandwidths_, wantedKhz);
}

void CarrierChoice::fillSpacings(std::int32_t wantedKhz) {
    spacings_.clear();
    for (const auto& allowed : allowedBandwidths(band_)) {
        if (allowed.bandwidthKhz == bandwidthKhz_ && allowed.scsKhz != 0) {
            spacings_.push_back(allowed.scsKhz);
        }
    }
    const bool kept = std::ranges::find(spacings_, wantedKhz) != spacings_.end();
    scsKhz_ = kept ? wantedKhz : spacings_.empty() ? 0 : spacings_.front();
}

std::optional<Channel> CarrierChoice::shownChannel() const {
    if (!carrier_ || channels_.empty()) {
        return std::nullopt;
    }
    return channels_.at(index_);
}

void CarrierChoice::shapeChosen(std::optional<Channel> near) {
    shape_.reset();
    channels_ = {};
    carrier_.reset();
    index_ = 0;
    if (bandwidths_.empty()) {
        problem_ = noBandwidthText(band_);
        return;
    }
    const auto scs = spacings_.empty() ? std::nullopt : std::optional(scsKhz_);
    const auto offset = format() == Format::Nr ? offsetToCarrier_ : 0;
    const auto shape = carrierShape(band_, bandwidthKhz_, scs, offset);
    if (!shape.value) {
        problem_ = shape.problem;
        return;
    }
    shape_ = shape.value;
    channels_ = carrierChannels(band_, *shape_);
    if (channels_.empty()) {
        problem_ = noValidChannelText(band_, *shape_);
        return;
    }
    const auto kept = near ? channels_.nearest(*near) : std::nullopt;
    show(kept ? *channels_.indexOf(*kept) : 0);
}

void CarrierChoice::show(std::size_t index) {
    index_ = index;
    auto carrier = carrierAt(band_, channels_.at(index), *shape_);
    carrier_ = carrier.value;
    problem_ = std::move(carrier.problem);
}

}  // namespace tarnvale

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/carrier.h"

namespace tarnvale {

// A carrier as a person chooses it, one list at a time: format, band, bandwidth, spacing and
// offset, then a channel walked through the channels where that carrier is valid. Each choice
// keeps what it can of the ones below it: a band change keeps the bandwidth, spacing and channel
// where the new band allows them, and takes the nearest it allows where it does not.
class CarrierChoice {
  public:
    CarrierChoice();

    void chooseFormat(Format format);
    void chooseBand(BandRef band);
    void chooseBandwidth(std::int32_t khz);
    void chooseSpacing(std::int32_t scsKhz);
    void chooseOffsetToCarrier(std::int32_t resourceBlocks);
    // The band, with the narrowest carrier valid at the channel (the smallest spacing of that
    // width) and that channel; or with the narrowest bandwidth at the nearest valid channel.
    void showChannel(BandRef band, Channel channel);

    // The next (+1) or previous (-1) valid channel; false, with nothing changed, past an end.
    bool step(int direction);
    bool goToFirst();
    bool goToLast();
    // A typed channel, downlink or uplink: shown where a carrier of the shape is valid there;
    // otherwise nothing changes and the reason, which names the nearest valid channel, comes
    // back.
    std::optional<std::string> enterChannel(std::string_view text);

    Format format() const { return band_.format(); }
    BandRef band() const { return band_; }
    // The bandwidths the band offers, ascending, and the spacings it offers with the chosen
    // one (LTE: 15 kHz; UMTS: none).
    const std::vector<std::int32_t>& bandwidths() const { return bandwidths_; }
    const std::vector<std::int32_t>& spacings() const { return spacings_; }
    std::int32_t bandwidthKhz() const { return bandwidthKhz_; }
    std::int32_t scsKhz() const { return scsKhz_; }
    std::int32_t offsetToCarrier() const { return offsetToCarrier_; }
    // Only NR carriers have spacings to choose and an offset to carrier.
    bool choosesSpacing() const { return format() == Format::Nr && !spacings_.empty(); }

    const std::optional<CarrierShape>& shape() const { return shape_; }
    const ChannelSet& channels() const { return channels_; }
    std::size_t index() const { return index_; }
    // The carrier shown, or nullopt with the reason in problem().
    const std::optional<BandwidthCarrier>& carrier() const { return carrier_; }
    const std::string& problem() const { return problem_; }

  private:
    void fillBandwidths(std::int32_t wantedKhz);
    void fillSpacings(std::int32_t wantedKhz);
    // The carrier of the chosen shape at `near`, or at the nearest valid channel to it.
    void shapeChosen(std::optional<Channel> near);
    std::optional<Channel> shownChannel() const;
    void show(std::size_t index);

    BandRef band_;
    std::vector<std::int32_t> bandwidths_;
    std::vector<std::int32_t> spacings_;
    std::int32_t bandwidthKhz_ = 0;
    std::int32_t scsKhz_ = 0;
    std::int32_t offsetToCarrier_ = 0;
    std::optional<CarrierShape> shape_;
    ChannelSet channels_;
    std::size_t index_ = 0;
    std::optional<BandwidthCarrier> carrier_;
    std::string problem_;
};

}  // namespace tarnvale

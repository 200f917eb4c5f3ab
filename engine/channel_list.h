#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "engine/band_ref.h"

// A band's list of channels. A classic band lists its channels in the order the window walks
// them, which is not always ascending; a 3GPP band lists its downlink channels (the uplink ones
// of a supplementary uplink band) in ascending order. Lists are described by runs and indexed by
// arithmetic; none is ever built to answer a question.
namespace tarnvale {

std::size_t channelCount(BandRef band);

// The place of `channel` in the list, or nullopt where the band does not list it.
std::optional<std::size_t> channelIndex(BandRef band, Channel channel);

// The valid channels in words, e.g. "1-799, 991-1023" or "DL: 0-599; UL: 18000-18599".
std::string validChannelText(BandRef band);

// The listed WCDMA uplink channels whose downlink pair is `downlink`: one for each of the
// pairing's offsets that gives one; none in a band without a pairing.
InlineList<Channel, 2> pairedUplinkChannels(BandRef band, const ClassicPlan& plan,
                                            Channel downlink);

// Why a number is no channel of the band, naming its valid channels.
std::string channelNotInBandText(BandRef band, Channel channel);

// The lowest and highest carrier of the band's channels, both directions, in MHz.
struct BandWindow {
    double start;
    double stop;
};
BandWindow bandWindow(BandRef band);

}  // namespace tarnvale

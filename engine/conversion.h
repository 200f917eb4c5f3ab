#pragma once

#include <optional>

#include "engine/band.h"

namespace tarnvale {

struct Conversion {
    double forward = 0.0;  // MHz, downlink
    double reverse = 0.0;  // MHz, uplink
    double spacing = 0.0;  // kHz; 0 stands for a variable spacing
};

// Forward and reverse carrier and channel spacing of `channel` in a classic band, by the band's
// rule. Values that no sub-range assigns stay 0; a divide-by-five band still adds its gap to
// the reverse carrier.
Conversion convertChannel(const ClassicPlan& plan, Channel channel);

// The downlink channel paired with a WCDMA uplink channel; nullopt in a classic band without
// pairing and where the sum would leave the channel range.
std::optional<Channel> pairedDownlinkChannel(const ClassicPlan& plan, Channel uplink);

}  // namespace tarnvale

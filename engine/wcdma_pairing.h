#pragma once

#include <optional>
#include <string_view>

#include "channel_number.h"

namespace tarnvale {

// The downlink channel paired with a WCDMA uplink channel. nullopt for a band that is not a
// WCDMA band, and where the sum would leave the 16-bit range (no listed channel gets there).
std::optional<Channel> pairedDownlinkChannel(std::string_view band, Channel uplink);

}  // namespace tarnvale

#pragma once

#include <optional>
#include <vector>

#include "engine/channel_record.h"

namespace tarnvale {

// Every band, of every format or of one, that has `number` as a downlink or an uplink channel,
// in catalogue order.
std::vector<ChannelRecord> lookupChannel(Channel number, std::optional<Format> format = {});

}  // namespace tarnvale

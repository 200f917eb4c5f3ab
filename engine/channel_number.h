#pragma once

#include <cstdint>
#include <vector>

namespace tarnvale {

// Channel numbers are 16-bit signed throughout, as the window stores them.
using Channel = std::int16_t;
using ChannelList = std::vector<Channel>;

}  // namespace tarnvale

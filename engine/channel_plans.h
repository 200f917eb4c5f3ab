#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "channel_number.h"

namespace tarnvale {

// A run of the channel list: `count` channels from `first`, `step` apart.
struct ChannelSegment {
    Channel first;
    Channel count;
    Channel step;
};

struct ChannelPlan {
    std::string_view validChannels;
    std::span<const ChannelSegment> segments;  // in walking order
    double windowStart;                        // MHz
    double windowStop;                         // MHz
};

// The plan of the band, selected by exact names as the window does, or nullptr where no plan
// matches. "AMPS" ignores the band, and "IS-136" takes its PCS plan for any band but "Cell 800".
const ChannelPlan* findChannelPlan(std::string_view format, std::string_view band);

// The plan's channels in walking order; the scroll bar's positions index this list.
ChannelList buildChannelList(const ChannelPlan& plan);

std::size_t channelCount(const ChannelPlan& plan);

// Index of the first entry equal to `channel`, or -1. Lists are not sorted, so the search is
// linear.
std::int16_t findChannelIndex(std::span<const Channel> list, Channel channel);

}  // namespace tarnvale

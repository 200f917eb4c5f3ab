#pragma once

#include <vector>

#include "engine/channel_record.h"

namespace tarnvale::testing {

// A band's list as `table` walks it, so that channel i is its i-th: tests look channels up by
// place where the engine answers the other way round (channelIndex).
inline std::vector<Channel> listedChannels(BandRef band) {
    std::vector<Channel> list;
    forEachChannelRecord(band, [&list](const ChannelRecord& r) {
        if (r.index) {
            list.push_back(r.channel);
        }
    });
    return list;
}

}  // namespace tarnvale::testing

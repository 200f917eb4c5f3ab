#include "engine/lookup.h"

#include "engine/band_table.h"

namespace tarnvale {

std::vector<ChannelRecord> lookupChannel(Channel number, std::optional<Format> format) {
    std::vector<ChannelRecord> found;
    for (const auto& band : format ? bandsOf(*format) : bandTable()) {
        for (auto& record : channelRecords(BandRef(band), number)) {
            found.push_back(std::move(record));
        }
    }
    return found;
}

}  // namespace tarnvale

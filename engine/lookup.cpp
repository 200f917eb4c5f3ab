#include "engine/lookup.h"

#include "engine/band_table.h"

namespace tarnvale {

std::vector<ChannelRecord> lookupChannel(Channel number, std::optional<Format> format) {
    std::vector<ChannelRecord> found;
    for (const BandRef band : format ? bandsOf(*format) : bandTable()) {
        const auto records = channelRecords(band, number);
        found.insert(found.end(), records.begin(), records.end());
    }
    return found;
}

}  // namespace tarnvale

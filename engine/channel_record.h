#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "engine/band_ref.h"

namespace tarnvale {

// A carrier frequency: as a classic band's rule computes it in MHz, or exactly in whole
// kilohertz, as every 3GPP table gives it.
struct Carrier {
    double mhz;
    std::optional<std::int64_t> khz;
};

// One channel of a band with both its carriers, as `convert`, `table` and `lookup` show it.
struct ChannelRecord {
    BandRef band;
    std::optional<std::size_t> index;  // the place of `channel` in the band's list
    // Classic bands: the listed channel (for WCDMA the uplink one). 3GPP bands: the downlink
    // channel, or the uplink one where there is no downlink.
    Channel channel;
    std::optional<Carrier> downlinkCarrier;
    std::optional<Carrier> uplinkCarrier;
    std::optional<double> gapMhz;  // downlink minus uplink carrier, where both exist
    double spacingKhz;             // 0 stands for a variable spacing
    std::optional<Channel> downlinkChannel;
    std::optional<Channel> uplinkChannel;
};

// The record of the channel at `index` of the band's list.
ChannelRecord listedChannelRecord(BandRef band, std::size_t index, Channel channel);

// The records of a number in a band: none where the band has no such downlink or uplink
// channel, and two where the number is both, each with its pair (UMTS Band XXV's additional
// channels).
std::vector<ChannelRecord> channelRecords(BandRef band, Channel number);

// Calls visit(record) for every channel of the band: its list in list order, then the uplink
// channels of an FDD band that have no downlink pair (n91, n93 and n110 have more uplink than
// downlink spectrum), ascending and without an index.
void forEachChannelRecord(BandRef band, const std::function<void(const ChannelRecord&)>& visit);

// How many records forEachChannelRecord visits.
std::size_t recordCount(BandRef band);

}  // namespace tarnvale

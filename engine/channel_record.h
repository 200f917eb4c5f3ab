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
    std::optional<Carrier> forward;  // the downlink carrier
    std::optional<Carrier> reverse;  // the uplink carrier
    std::optional<double> gapMhz;    // forward minus reverse, where both exist
    double spacingKhz;               // 0 stands for a variable spacing
    std::optional<Channel> downlink;
    std::optional<Channel> uplink;
};

// Calls visit(channel) for every channel of a 3GPP band's list, in ascending order.
void forEachListedChannel(BandRef band, const std::function<void(Channel)>& visit);

// Calls visit(channel) for every uplink channel of an FDD band that has no downlink pair, in
// ascending order: n91, n93 and n110 have more uplink than downlink spectrum.
void forEachUnpairedUplink(BandRef band, const std::function<void(Channel)>& visit);

// The record of an uplink channel without a downlink pair: no index, no downlink carrier.
ChannelRecord unpairedUplinkRecord(BandRef band, Channel uplink);

// How many records forEachChannelRecord visits.
std::size_t recordCount(BandRef band);

// The record of the channel at `index` of the band's list.
ChannelRecord listedChannelRecord(BandRef band, std::size_t index, Channel channel);

// The records of a number in a band: none where the band has no such downlink or uplink
// channel, and two where the number is both, each with its pair (UMTS Band XXV's additional
// channels).
std::vector<ChannelRecord> channelRecords(BandRef band, Channel number);

// Calls visit(record) for every channel of the band: its list in list order, then its uplink
// channels without a downlink pair.
template <typename Visit>
void forEachChannelRecord(BandRef band, Visit&& visit) {
    std::size_t index = 0;
    if (band.isClassic()) {
        for (const auto& run : band.classic().list) {
            for (std::size_t k = 0; k < run.count(); ++k) {
                visit(listedChannelRecord(band, index++, run.at(k)));
            }
        }
        return;
    }
    forEachListedChannel(
        band, [&](Channel channel) { visit(listedChannelRecord(band, index++, channel)); });
    forEachUnpairedUplink(band, [&](Channel uplink) { visit(unpairedUplinkRecord(band, uplink)); });
}

}  // namespace tarnvale

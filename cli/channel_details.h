#pragma once

#include <string_view>

namespace tarnvale::cli {

// What the columns of a channel row hold: convert, table and lookup write them.
inline constexpr std::string_view kChannelDetails =
    "index is the channel's place in the band's list; channel is the listed channel (classic "
    "formats), or the downlink channel (LTE, NR, UMTS; the uplink one where there is no "
    "downlink). forward_mhz is the downlink and reverse_mhz the uplink carrier, empty where the "
    "band has none; gap_mhz is their difference; spacing_khz the channel spacing or raster, 0 "
    "for a variable spacing; dl_channel and ul_channel the pair's numbers; duplex FDD, TDD, SDL "
    "or SUL.";

}  // namespace tarnvale::cli

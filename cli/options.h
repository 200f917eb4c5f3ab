#pragma once

#include "cli/command.h"

// The options commands share, each declared once.
namespace tarnvale::cli {

inline constexpr Option kToleranceOption{
    .flag = "--tolerance-khz",
    .valueName = "K",
    .help = "carriers within K kHz (default 0: equal at four decimals)",
    .whenMissing = "--tolerance-khz needs a number of kHz"};
inline constexpr Option kFormatOption{.flag = "--format",
                                      .valueName = "FORMAT",
                                      .help = "only the bands of this format",
                                      .whenMissing = "--format needs a format name"};
inline constexpr Option kBandOption{.flag = "--band",
                                    .valueName = "BAND",
                                    .help = "only this band of the format (gscn: NR)",
                                    .whenMissing = "--band needs a band name"};
inline constexpr Option kBandwidthOption{.flag = "--bandwidth",
                                         .valueName = "MHZ",
                                         .help = "the channel bandwidth in MHz, e.g. 20 or 1.4",
                                         .whenMissing = "--bandwidth needs a number of MHz"};
inline constexpr Option kScsOption{
    .flag = "--scs",
    .valueName = "KHZ",
    .help =
        "the subcarrier spacing in kHz (NR; default: the smallest the band allows with the "
        "bandwidth)",
    .whenMissing = "--scs needs a number of kHz"};
inline constexpr Option kOffsetToCarrierOption{
    .flag = "--offset-to-carrier",
    .valueName = "RBS",
    .help = "resource blocks from Point A to the carrier's lowest subcarrier (NR; default 0)",
    .whenMissing = "--offset-to-carrier needs a number of resource blocks"};
inline constexpr Option kColumnOption{.flag = "--column",
                                      .valueName = "NAME",
                                      .help = "the header name of the channel number column",
                                      .whenMissing = "--column needs a column name"};
inline constexpr Option kDirectionOption{
    .flag = "--direction",
    .valueName = "DIR",
    .help = "the numbers' direction: downlink (default), uplink or any",
    .whenMissing = "--direction needs downlink, uplink or any"};

inline constexpr Option kEarfcnWrappedOption{
    .flag = "--earfcn-wrapped",
    .help =
        "LTE: look a number below 65536 up as that number plus 65536 too, as modems that "
        "report 16 bits wrap Band 65 and above"};

// An NR cell's fields (coreset0, config, check, gscn).
inline constexpr Option kSsbArfcnOption{.flag = "--ssb-arfcn",
                                        .valueName = "N",
                                        .help = "absoluteFrequencySSB, the NR-ARFCN of SS_REF",
                                        .whenMissing = "--ssb-arfcn needs an NR-ARFCN"};
inline constexpr Option kSsbScsOption{
    .flag = "--ssb-scs",
    .valueName = "KHZ",
    .help = "the SS block's subcarrier spacing (default: the one the band's raster has there)",
    .whenMissing = "--ssb-scs needs a number of kHz"};
inline constexpr Option kKssbOption{.flag = "--k-ssb",
                                    .valueName = "K",
                                    .help = "k_SSB, the whole of it (FR1 0 to 31, FR2 0 to 15)",
                                    .whenMissing = "--k-ssb needs a number of subcarriers"};
inline constexpr Option kOffsetToPointAOption{
    .flag = "--offset-to-point-a",
    .valueName = "RBS",
    .help = "offsetToPointA, in resource blocks of 15 kHz (FR1) or 60 kHz (FR2)",
    .whenMissing = "--offset-to-point-a needs a number of resource blocks"};
inline constexpr Option kSearchSpaceZeroOption{
    .flag = "--search-space-zero",
    .valueName = "J",
    .help = "searchSpaceZero, 0 to 15",
    .whenMissing = "--search-space-zero needs an index from 0 to 15"};
inline constexpr Option kCoreset0Option{.flag = "--coreset0",
                                        .valueName = "I",
                                        .help = "controlResourceSetZero, 0 to 15",
                                        .whenMissing = "--coreset0 needs an index from 0 to 15"};
inline constexpr Option kPointAOption{.flag = "--point-a",
                                      .valueName = "N",
                                      .help = "absoluteFrequencyPointA, an NR-ARFCN",
                                      .whenMissing = "--point-a needs an NR-ARFCN"};
inline constexpr Option kCarrierRbsOption{
    .flag = "--carrier-rbs",
    .valueName = "R",
    .help = "carrierBandwidth, the carrier's resource blocks",
    .whenMissing = "--carrier-rbs needs a number of resource blocks"};

}  // namespace tarnvale::cli

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

}  // namespace tarnvale::cli

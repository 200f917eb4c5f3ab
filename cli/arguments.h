#pragma once

#include "cli/command.h"

// The positional arguments commands share.
namespace tarnvale::cli {

inline constexpr Argument kFormatArgument{
    .name = "FORMAT", .help = "a radio format, as `tarnvale-cli bands` lists them"};
inline constexpr Argument kBandArgument{.name = "BAND",
                                        .help = "a band of the format, by name or number"};
inline constexpr Argument kChannelsArgument{
    .name = "CHANNEL", .help = "a channel number", .repeats = true, .standardInput = true};

}  // namespace tarnvale::cli

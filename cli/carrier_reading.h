#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/command.h"
#include "engine/carrier.h"

// Carriers as a command line gives them.
namespace tarnvale::cli {

// A channel bandwidth in MHz ("20", "1.4") as kHz, or why the text is none; nullopt text is a
// missing --bandwidth.
Reading<std::int32_t> readBandwidth(const std::optional<std::string>& text);

// A whole number from 0 up, for what an option counts ("an offset to carrier in resource
// blocks"), or why the text is none.
Reading<std::int32_t> readCount(const std::optional<std::string>& text, std::string_view what);

// The band the first two arguments name, or nullopt with the problem said.
std::optional<BandRef> readBand(const Request& request, Diagnostics& diagnostics);

// The carrier shape that --bandwidth, --scs and --offset-to-carrier ask for in a band, or
// nullopt with the problem said.
std::optional<CarrierShape> readCarrierShape(const Request& request, BandRef band,
                                             Diagnostics& diagnostics);

}  // namespace tarnvale::cli

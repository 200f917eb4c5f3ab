#pragma once

#include <optional>

#include "cli/commands.h"
#include "engine/carrier.h"

namespace tarnvale::cli {

// The carrier shape that --bandwidth, --scs and --offset-to-carrier ask for in a band, or
// nullopt with the problem said.
std::optional<CarrierShape> readCarrierShape(const Request& request, BandRef band,
                                             Diagnostics& diagnostics);

}  // namespace tarnvale::cli

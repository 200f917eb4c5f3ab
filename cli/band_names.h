#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/band_ref.h"

namespace tarnvale::cli {

// The format of that exact name, or a message naming the valid ones.
std::optional<Format> resolveFormat(std::string_view name, std::string& err);

// The band that the format lists under that exact name, or a message naming the valid ones.
std::optional<BandRef> resolveBand(std::string_view format, std::string_view band,
                                   std::string& err);

}  // namespace tarnvale::cli

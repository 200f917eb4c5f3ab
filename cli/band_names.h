#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/band_ref.h"

namespace tarnvale::cli {

// The format of that name in any letter case, or a message naming the valid ones.
std::optional<Format> resolveFormat(std::string_view name, std::string& err);

// The format's band of that name in any letter case, or of that number alone ("3" for LTE
// "Band 3", "78" for NR "n78", "3" or "III" for "Band III"); else a message naming the valid
// ones.
std::optional<BandRef> resolveBand(Format format, std::string_view band, std::string& err);
std::optional<BandRef> resolveBand(std::string_view format, std::string_view band,
                                   std::string& err);

}  // namespace tarnvale::cli

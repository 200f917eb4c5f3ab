#pragma once

#include <optional>
#include <string_view>

#include "engine/band_ref.h"

namespace tarnvale {

// The band whose channels the window shows for its format and band captions, or nullopt.
std::optional<BandRef> captionedBand(std::string_view format, std::string_view band);

}  // namespace tarnvale

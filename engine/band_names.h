#pragma once

#include <string_view>

#include "engine/band_ref.h"
#include "engine/reading.h"

// Formats and bands named by a person: in any letter case, and a band by its number alone.
namespace tarnvale {

// The format of that name in any letter case, or why there is none, naming the valid ones.
Reading<Format> resolveFormat(std::string_view name);

// The format's band of that name in any letter case, or of that number alone ("3" for LTE
// "Band 3", "78" for NR "n78", "3" or "III" for "Band III"); or why there is none, naming the
// valid ones.
Reading<BandRef> resolveBand(Format format, std::string_view band);
Reading<BandRef> resolveBand(std::string_view format, std::string_view band);

}  // namespace tarnvale

#pragma once

#include <span>

#include "engine/band_ref.h"

namespace tarnvale {

// Every band of every format in catalogue order: grouped by format in the order of kFormats,
// and within a format in the order the window lists its bands.
std::span<const BandRef> bandTable();

// The bands of one format, in catalogue order.
std::span<const BandRef> bandsOf(Format format);

}  // namespace tarnvale

#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/band_ref.h"

namespace tarnvale {

// The SS block frequency of a GSCN in MHz, or nullopt outside 2 to 26639.
std::optional<double> gscnFrequencyMhz(Channel gscn);

// The GSCNs there are, in words: "2 to 26639".
std::string gscnRangeText();

struct GscnEntry {
    std::int32_t scsKhz;
    char pattern;
    Channel gscn;
    double frequencyMhz;
};

// Calls visit(entry) for every GSCN the band's synchronisation raster allows, for each SS block
// subcarrier spacing in the order of the table, in ascending order within it.
void forEachGscn(BandRef band, const std::function<void(const GscnEntry&)>& visit);

}  // namespace tarnvale

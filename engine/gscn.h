#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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

// A GSCN near a frequency: its SS_REF, and how far that lies from the frequency.
struct GscnNear {
    Channel gscn;
    std::int64_t ssRefKhz;
    double offsetKhz;  // SS_REF minus the frequency
};

// The GSCN of the synchronisation raster of channels above 3 MHz (2 to 26639) whose SS_REF is
// nearest to `mhz`, the lower of two as near; then the GSCN of 3 MHz channels at exactly that
// frequency, where there is one. None outside the raster's 0 to 100000 MHz.
std::vector<GscnNear> gscnsNear(double mhz);

// Calls visit(entry) for every GSCN the band's synchronisation raster allows, for each SS block
// subcarrier spacing in the order of the table, in ascending order within it.
void forEachGscn(BandRef band, const std::function<void(const GscnEntry&)>& visit);

}  // namespace tarnvale

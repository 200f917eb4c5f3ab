#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "engine/band_ref.h"

namespace tarnvale {

struct CarrierMatch {
    BandRef band;
    // The place of `channel` in the ascending list of its direction; for a classic band, in the
    // band's list.
    std::size_t index;
    Channel channel;  // classic: the listed channel; 3GPP: the number of this carrier
    Direction direction;
    double frequencyMhz;  // the carrier, rounded to four decimals as it is shown
    double offsetKhz;     // carrier minus the frequency asked for
};

// Every carrier of every band, or of one format's bands, within `toleranceKhz` of
// `frequencyMhz`; carriers are taken at the four decimals they are shown with, and a tolerance
// of 0 asks for equality at four decimals. A TDD channel's one carrier is a downlink carrier.
// Sorted by the size of the offset, then catalogue order, then list order, downlink first.
// Frequencies and tolerances of any size are answered: nothing lies above the highest carrier
// of any band or below 0, and a non-finite frequency or a negative tolerance finds nothing.
std::vector<CarrierMatch> findCarriers(double frequencyMhz, double toleranceKhz,
                                       std::optional<Format> format = {});

// The highest carrier of any band, in MHz.
double highestCarrierMhz();

// The carrier of a format's bands nearest to `frequencyMhz` (the first in catalogue order of
// two as near), or nullopt for a frequency that is no finite number.
std::optional<CarrierMatch> nearestCarrier(double frequencyMhz, Format format);

// The same search in one band.
std::vector<CarrierMatch> findCarriersInBand(BandRef band, double frequencyMhz,
                                             double toleranceKhz);

}  // namespace tarnvale

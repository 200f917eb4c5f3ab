#pragma once

#include <cstddef>
#include <vector>

#include "engine/band_ref.h"

namespace tarnvale {

enum class Direction { Forward, Reverse };

struct CarrierMatch {
    BandRef band;
    std::size_t index;  // place in the band's channel list
    Channel channel;
    Direction direction;
    double frequencyMhz;  // the carrier, rounded to four decimals as the window shows it
    double offsetKhz;     // carrier minus the frequency asked for
};

// Every carrier of every band within `toleranceKhz` of `frequencyMhz`, carriers taken at the
// four decimals they are shown with; a tolerance of 0 asks for equality at four decimals.
// Sorted by the size of the offset, then catalogue order, then list order, forward first.
std::vector<CarrierMatch> findCarriers(double frequencyMhz, double toleranceKhz);

}  // namespace tarnvale

#include "engine/carrier_search.h"

#include <algorithm>
#include <cmath>

#include "engine/band_table.h"
#include "engine/channel_list.h"
#include "engine/conversion.h"

namespace tarnvale {
namespace {

// Carriers are compared in units of the fourth decimal of a MHz (0.1 kHz).
constexpr double kUnitsPerMhz = 10000.0;
constexpr double kUnitsPerKhz = 10.0;
// Room for the rounding of the tolerance itself, far below a displayed digit.
constexpr double kSlackUnits = 1e-6;
// Offsets are kept to a thousandth of a hertz, which drops the noise of the decimal input.
constexpr double kOffsetSteps = 1e6;

struct Target {
    double units;
    double toleranceUnits;
    double exactUnits;  // the asked frequency at four decimals, for a zero tolerance

    bool matches(double carrierUnits) const {
        if (toleranceUnits == 0) {
            return carrierUnits == exactUnits;
        }
        return std::fabs(carrierUnits - units) <= toleranceUnits + kSlackUnits;
    }
};

void searchBand(const Target& target, BandRef band, std::vector<CarrierMatch>& matches) {
    const std::size_t count = channelCount(band);
    for (std::size_t i = 0; i < count; ++i) {
        const Channel channel = channelAt(band, i);
        const auto c = convertChannel(band, channel);
        for (const auto& [direction, mhz] :
             {std::pair{Direction::Forward, c.forward}, std::pair{Direction::Reverse, c.reverse}}) {
            const double units = std::round(mhz * kUnitsPerMhz);
            if (target.matches(units)) {
                const double offset =
                    std::round((units - target.units) / kUnitsPerKhz * kOffsetSteps) / kOffsetSteps;
                matches.push_back({band, i, channel, direction, units / kUnitsPerMhz, offset});
            }
        }
    }
}

}  // namespace

std::vector<CarrierMatch> findCarriers(double frequencyMhz, double toleranceKhz) {
    const Target target{frequencyMhz * kUnitsPerMhz, toleranceKhz * kUnitsPerKhz,
                        std::round(frequencyMhz * kUnitsPerMhz)};
    std::vector<CarrierMatch> matches;
    for (const auto& band : bandTable()) {
        searchBand(target, BandRef(band), matches);
    }
    // Found in catalogue, list and direction order already; a stable sort keeps it for ties.
    std::stable_sort(matches.begin(), matches.end(), [](const auto& a, const auto& b) {
        return std::fabs(a.offsetKhz) < std::fabs(b.offsetKhz);
    });
    return matches;
}

}  // namespace tarnvale

#include "carrier_search.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "catalogue.h"
#include "channel_plans.h"
#include "conversion.h"

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

void searchBand(const Target& target, std::size_t f, std::size_t b,
                std::vector<CarrierMatch>& matches) {
    const auto& format = radioFormats()[f];
    const auto band = format.bands[b];
    const auto list = buildChannelList(*findChannelPlan(format.name, band));
    const BandConverter convert(band, format.name);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto c = convert(list[i]);
        for (const auto& [direction, mhz] :
             {std::pair{Direction::Forward, c.forward}, std::pair{Direction::Reverse, c.reverse}}) {
            const double units = std::round(mhz * kUnitsPerMhz);
            if (target.matches(units)) {
                const double offset =
                    std::round((units - target.units) / kUnitsPerKhz * kOffsetSteps) / kOffsetSteps;
                matches.push_back(
                    {f, b, format.name, band, i, list[i], direction, units / kUnitsPerMhz, offset});
            }
        }
    }
}

}  // namespace

std::vector<CarrierMatch> findCarriers(double frequencyMhz, double toleranceKhz) {
    const Target target{frequencyMhz * kUnitsPerMhz, toleranceKhz * kUnitsPerKhz,
                        std::round(frequencyMhz * kUnitsPerMhz)};
    std::vector<CarrierMatch> matches;
    const auto formats = radioFormats();
    for (std::size_t f = 0; f < formats.size(); ++f) {
        for (std::size_t b = 0; b < formats[f].bands.size(); ++b) {
            searchBand(target, f, b, matches);
        }
    }
    // Found in catalogue, list and direction order already; a stable sort keeps it for ties.
    std::stable_sort(matches.begin(), matches.end(), [](const auto& a, const auto& b) {
        return std::fabs(a.offsetKhz) < std::fabs(b.offsetKhz);
    });
    return matches;
}

}  // namespace tarnvale

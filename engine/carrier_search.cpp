#include "engine/carrier_search.h"

#include <algorithm>
#include <cmath>

#include "engine/band_table.h"
#include "engine/carrier_plan.h"
#include "engine/conversion.h"
#include "engine/run_union.h"

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

    // The span of carriers, in MHz, that can match, with a margin of a unit on either side.
    double lowMhz() const { return (units - toleranceUnits - 1) / kUnitsPerMhz; }
    double highMhz() const { return (units + toleranceUnits + 1) / kUnitsPerMhz; }

    bool matches(double carrierUnits) const {
        if (toleranceUnits == 0) {
            return carrierUnits == exactUnits;
        }
        return std::fabs(carrierUnits - units) <= toleranceUnits + kSlackUnits;
    }
};

class Search {
  public:
    Search(const Target& target, std::vector<CarrierMatch>& matches)
        : target_(target), matches_(matches) {}

    // Adds the carrier when it matches.
    void offer(BandRef band, std::size_t index, Channel channel, Direction direction, double mhz) {
        const double units = std::round(mhz * kUnitsPerMhz);
        if (!target_.matches(units)) {
            return;
        }
        const double offset =
            std::round((units - target_.units) / kUnitsPerKhz * kOffsetSteps) / kOffsetSteps;
        matches_.push_back({band, index, channel, direction, units / kUnitsPerMhz, offset});
    }

    // The places k of a run whose carriers first + k * slope may match, count of them at most.
    std::pair<std::int64_t, std::int64_t> places(double firstMhz, double slopeMhz,
                                                 std::size_t count) const {
        const auto last = static_cast<std::int64_t>(count) - 1;
        if (slopeMhz == 0) {
            return {0, last};
        }
        const double a = (target_.lowMhz() - firstMhz) / slopeMhz;
        const double b = (target_.highMhz() - firstMhz) / slopeMhz;
        const auto from = static_cast<std::int64_t>(std::floor(std::min(a, b))) - 1;
        const auto to = static_cast<std::int64_t>(std::ceil(std::max(a, b))) + 1;
        return {std::max<std::int64_t>(from, 0), std::min(to, last)};
    }

  private:
    const Target& target_;
    std::vector<CarrierMatch>& matches_;
};

double carrierOf(const Conversion& c, Direction direction) {
    return direction == Direction::Forward ? c.forward : c.reverse;
}

// A classic list run lies within one sub-range, so its carriers are linear in the place; only
// the places near the target are converted, exactly as the window converts them.
void searchClassicBand(Search& search, BandRef band) {
    std::size_t before = 0;
    for (const auto& run : band.classic().list) {
        const auto first = convertChannel(band, run.first);
        const auto second = convertChannel(band, run.at(run.count() > 1 ? 1 : 0));
        for (const auto direction : {Direction::Forward, Direction::Reverse}) {
            const double slope = carrierOf(second, direction) - carrierOf(first, direction);
            const auto [from, to] = search.places(carrierOf(first, direction), slope, run.count());
            for (auto k = from; k <= to; ++k) {
                const Channel channel = run.at(static_cast<std::size_t>(k));
                search.offer(band, before + static_cast<std::size_t>(k), channel, direction,
                             carrierOf(convertChannel(band, channel), direction));
            }
        }
        before += run.count();
    }
}

void searchRuns(Search& search, BandRef band, const CarrierRuns& runs, Direction direction) {
    const auto numbers = numbersOf(runs);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const auto& run = runs[i];
        const double firstMhz = static_cast<double>(run.firstKhz) / 1000.0;
        const double slopeMhz = static_cast<double>(run.khzPerNumber * run.numbers.step) / 1000.0;
        const auto [from, to] = search.places(firstMhz, slopeMhz, run.numbers.count());
        for (auto k = from; k <= to; ++k) {
            const Channel channel = run.numbers.at(static_cast<std::size_t>(k));
            // A number that an earlier run holds as well was offered with that run.
            if (unionHolds(numbers.view().first(i), channel)) {
                continue;
            }
            search.offer(band, unionCountBelow(numbers.view(), channel), channel, direction,
                         static_cast<double>(run.khzOf(channel)) / 1000.0);
        }
    }
}

void searchCarrierBand(Search& search, BandRef band) {
    const auto& plan = band.carriers();
    searchRuns(search, band, plan.downlink, Direction::Forward);
    if (plan.duplex != Duplex::Tdd) {
        searchRuns(search, band, plan.uplink, Direction::Reverse);
    }
}

}  // namespace

std::vector<CarrierMatch> findCarriers(double frequencyMhz, double toleranceKhz,
                                       std::optional<Format> format) {
    const Target target{frequencyMhz * kUnitsPerMhz, toleranceKhz * kUnitsPerKhz,
                        std::round(frequencyMhz * kUnitsPerMhz)};
    std::vector<CarrierMatch> matches;
    Search search(target, matches);
    for (const auto& row : format ? bandsOf(*format) : bandTable()) {
        const BandRef band(row);
        const auto first = matches.size();
        band.isClassic() ? searchClassicBand(search, band) : searchCarrierBand(search, band);
        std::stable_sort(matches.begin() + static_cast<std::ptrdiff_t>(first), matches.end(),
                         [](const CarrierMatch& a, const CarrierMatch& b) {
                             return std::pair(a.index, a.direction) <
                                    std::pair(b.index, b.direction);
                         });
    }
    // Found in catalogue, list and direction order; a stable sort keeps it for ties.
    std::stable_sort(matches.begin(), matches.end(), [](const auto& a, const auto& b) {
        return std::fabs(a.offsetKhz) < std::fabs(b.offsetKhz);
    });
    return matches;
}

}  // namespace tarnvale

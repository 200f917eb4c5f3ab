#include "engine/carrier_search.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/arfcn_plan.h"
#include "engine/band_table.h"
#include "engine/channel_list.h"
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
    // The bounds are clamped to the run while still doubles, so no target converts out of range.
    std::pair<std::int64_t, std::int64_t> places(double firstMhz, double slopeMhz,
                                                 std::size_t count) const {
        const auto last = static_cast<double>(count) - 1;
        if (slopeMhz == 0) {
            return {0, static_cast<std::int64_t>(last)};
        }
        const double a = (target_.lowMhz() - firstMhz) / slopeMhz;
        const double b = (target_.highMhz() - firstMhz) / slopeMhz;
        const double from = std::clamp(std::floor(std::min(a, b)) - 1, 0.0, last + 1);
        const double to = std::clamp(std::ceil(std::max(a, b)) + 1, -1.0, last);
        return {static_cast<std::int64_t>(from), static_cast<std::int64_t>(to)};
    }

  private:
    const Target& target_;
    std::vector<CarrierMatch>& matches_;
};

double carrierOf(const Conversion& c, Direction direction) {
    return direction == Direction::Downlink ? c.forward : c.reverse;
}

// The part of a list run whose channels a sub-range converts: its carriers are linear in the
// place, so only the places near the target are converted, exactly as the window converts them.
// A run may cross sub-ranges (Secondary 800 lists 0 to 919 over two).
std::optional<ChannelRun> pieceIn(const ChannelRun& run, const SubRange& range) {
    const std::int64_t low = std::max<std::int64_t>(run.first, range.low);
    const std::int64_t high = std::min<std::int64_t>(run.last, range.high);
    const std::int64_t first = run.first + (low - run.first + run.step - 1) / run.step * run.step;
    if (first > high) {
        return std::nullopt;
    }
    const std::int64_t last = first + (high - first) / run.step * run.step;
    return ChannelRun{static_cast<Channel>(first), run.step, static_cast<Channel>(last)};
}

void searchClassicPiece(Search& search, BandRef band, const ClassicPlan& plan,
                        const ChannelRun& piece, std::size_t before) {
    const auto first = convertChannel(plan, piece.first);
    const auto second = convertChannel(plan, piece.at(piece.count() > 1 ? 1 : 0));
    for (const auto direction : {Direction::Downlink, Direction::Uplink}) {
        const double slope = carrierOf(second, direction) - carrierOf(first, direction);
        const auto [from, to] = search.places(carrierOf(first, direction), slope, piece.count());
        for (auto k = from; k <= to; ++k) {
            const Channel channel = piece.at(static_cast<std::size_t>(k));
            search.offer(band, before + static_cast<std::size_t>(k), channel, direction,
                         carrierOf(convertChannel(plan, channel), direction));
        }
    }
}

void searchPlan(Search& search, BandRef band, const ClassicPlan& plan) {
    std::size_t before = 0;
    for (const auto& run : plan.list) {
        for (const auto& range : plan.rule.ranges) {
            if (const auto piece = pieceIn(run, range)) {
                searchClassicPiece(search, band, plan, *piece, before + run.placeOf(piece->first));
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

void searchPlan(Search& search, BandRef band, const ArfcnPlan& plan) {
    searchRuns(search, band, plan.downlink, Direction::Downlink);
    if (plan.duplex != Duplex::Tdd) {
        searchRuns(search, band, plan.uplink, Direction::Uplink);
    }
}

// A search reaching above the highest carrier finds nothing, and a tolerance wider than the
// distance to every carrier finds what that distance finds.
std::optional<Target> targetOf(double frequencyMhz, double toleranceKhz) {
    if (!std::isfinite(frequencyMhz) || !(toleranceKhz >= 0)) {
        return std::nullopt;
    }
    const double highest = highestCarrierMhz();
    const double khz = std::min(toleranceKhz, (highest + std::fabs(frequencyMhz)) * 1000);
    if (frequencyMhz - khz / 1000 > highest || frequencyMhz + khz / 1000 < 0) {
        return std::nullopt;
    }
    return Target{frequencyMhz * kUnitsPerMhz, khz * kUnitsPerKhz,
                  std::round(frequencyMhz * kUnitsPerMhz)};
}

// Searches one band and puts what it found in list and direction order.
void searchBand(Search& search, BandRef band, std::vector<CarrierMatch>& matches) {
    const auto first = matches.size();
    band.visitPlan([&](const auto& plan) { searchPlan(search, band, plan); });
    std::stable_sort(matches.begin() + static_cast<std::ptrdiff_t>(first), matches.end(),
                     [](const CarrierMatch& a, const CarrierMatch& b) {
                         return std::pair(a.index, a.direction) < std::pair(b.index, b.direction);
                     });
}

// Found in catalogue, list and direction order; a stable sort keeps it for ties.
void sortByOffset(std::vector<CarrierMatch>& matches) {
    std::stable_sort(matches.begin(), matches.end(), [](const auto& a, const auto& b) {
        return std::fabs(a.offsetKhz) < std::fabs(b.offsetKhz);
    });
}

}  // namespace

double highestCarrierMhz() {
    static const double highest = [] {
        double top = 0;
        for (const BandRef band : bandTable()) {
            top = std::max(top, bandWindow(band).stop);
        }
        return top;
    }();
    return highest;
}

std::vector<CarrierMatch> findCarriers(double frequencyMhz, double toleranceKhz,
                                       std::optional<Format> format) {
    std::vector<CarrierMatch> matches;
    const auto target = targetOf(frequencyMhz, toleranceKhz);
    if (!target) {
        return matches;
    }
    Search search(*target, matches);
    for (const BandRef band : format ? bandsOf(*format) : bandTable()) {
        searchBand(search, band, matches);
    }
    sortByOffset(matches);
    return matches;
}

// A band's nearest carrier lies no nearer than its window: the search starts there and widens
// until a carrier is in reach, so it never lists more than a few.
std::optional<CarrierMatch> nearestCarrier(double frequencyMhz, Format format) {
    if (!std::isfinite(frequencyMhz)) {
        return std::nullopt;
    }
    std::optional<CarrierMatch> nearest;
    for (const BandRef band : bandsOf(format)) {
        const auto window = bandWindow(band);
        const double outsideKhz =
            std::max({0.0, window.start - frequencyMhz, frequencyMhz - window.stop}) * 1000;
        // Reaches of 1 kHz, 4 kHz, ... up to 2^38 kHz, about 275 THz.
        for (int widening = 0; widening < 20; ++widening) {
            const double reachKhz = std::ldexp(1.0, 2 * widening);
            const auto found = findCarriersInBand(band, frequencyMhz, outsideKhz + reachKhz);
            if (!found.empty()) {
                if (!nearest ||
                    std::fabs(found.front().offsetKhz) < std::fabs(nearest->offsetKhz)) {
                    nearest = found.front();
                }
                break;
            }
        }
    }
    return nearest;
}

std::vector<CarrierMatch> findCarriersInBand(BandRef band, double frequencyMhz,
                                             double toleranceKhz) {
    std::vector<CarrierMatch> matches;
    if (const auto target = targetOf(frequencyMhz, toleranceKhz)) {
        Search search(*target, matches);
        searchBand(search, band, matches);
        sortByOffset(matches);
    }
    return matches;
}

}  // namespace tarnvale

#include "engine/carrier_aggregation.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "engine/arfcn_plan.h"
#include "engine/band_names.h"
#include "engine/number_text.h"
#include "engine/subcarriers.h"

namespace tarnvale {
namespace {

constexpr std::int64_t hz(std::int64_t khz) {
    return khz * 1000;
}

// TS 36.101 V19.6.0 clause 5.7.1A: spacings are multiples of 300 kHz, as are those of NR bands
// with a 100 kHz channel raster (TS 38.101-1 V19.6.0 clause 5.4A.1).
constexpr std::int64_t k300KhzHz = 300'000;
// TS 38.101-1 clause 5.4A.1: with shared spectrum the spacing may deviate from the nominal one
// by up to 300 kHz.
constexpr std::int64_t kSharedSpectrumDeviationHz = 300'000;

// TS 36.101 V19.6.0 clause 5.7.1A: Band 46 meets its requirements with 20.1 MHz between two
// 20 MHz carriers and 15 MHz between a 10 and a 20 MHz one as well.
struct NotedSpacing {
    std::string_view band;
    std::int32_t narrowerKhz;
    std::int32_t widerKhz;
    std::int64_t spacingHz;
};
constexpr NotedSpacing kNotedSpacings[] = {
    {"Band 46", 20000, 20000, 20'100'000},
    {"Band 46", 10000, 20000, 15'000'000},
};

std::int64_t notedSpacingHz(BandRef band, std::int32_t firstKhz, std::int32_t secondKhz) {
    const auto [narrower, wider] = std::minmax(firstKhz, secondKhz);
    for (const auto& noted : kNotedSpacings) {
        if (band.format() == Format::Lte && band.name() == noted.band &&
            noted.narrowerKhz == narrower && noted.widerKhz == wider) {
            return noted.spacingHz;
        }
    }
    return 0;
}

// μ0 of TS 38.101-1 V19.6.0 clauses 5.3A.3 and 5.4A.1: the largest spacing the band allows
// with both bandwidths (Table 5.3.5-1); 30 kHz (μ = 1) where it allows none with both.
std::int32_t commonScsKhz(const ArfcnPlan& plan, std::int32_t firstKhz, std::int32_t secondKhz) {
    std::int32_t largest = 0;
    for (const auto& entry : plan.bandwidths) {
        if (entry.bandwidths.holds(firstKhz) && entry.bandwidths.holds(secondKhz)) {
            largest = std::max(largest, entry.scsKhz);
        }
    }
    return largest == 0 ? 30 : largest;
}

// A bandwidth's N_RB and minimum guard band (Table 5.3.3-1) at μ0.
struct AtCommonScs {
    int resourceBlocks;
    std::int64_t guardHz;
};

Reading<AtCommonScs> atCommonScs(BandRef band, std::int32_t bandwidthKhz, std::int32_t scsKhz) {
    const auto blocks = resourceBlocks(*carrierKind(band), scsKhz, bandwidthKhz);
    if (!blocks) {
        return {std::nullopt, "a " + megahertzText(bandwidthKhz) + " MHz carrier has no N_RB at " +
                                  channelText(scsKhz) +
                                  " kHz, the spacing its aggregation is "
                                  "reckoned at"};
    }
    return {AtCommonScs{*blocks, minimumGuardHz(bandwidthKhz, *blocks, scsKhz)}, {}};
}

bool hasCoarseRaster(const ArfcnPlan& plan) {
    return std::ranges::any_of(listedRuns(plan), [](const CarrierRun& run) {
        return run.rasterKhz == 100 || run.rasterKhz == 10;
    });
}

bool hasRaster(const ArfcnPlan& plan, std::int32_t rasterKhz) {
    return std::ranges::any_of(listedRuns(plan), [rasterKhz](const CarrierRun& run) {
        return run.rasterKhz == rasterKhz;
    });
}

// TS 36.101 V19.6.0 clause 5.7.1A:
// floor((BW1 + BW2 - 0.1 |BW1 - BW2|) / 0.6) x 0.3 MHz.
CaSpacing lteSpacing(BandRef band, const CarrierShape& first, const CarrierShape& second) {
    const std::int64_t sum = hz(first.bandwidthKhz) + hz(second.bandwidthKhz) -
                             std::abs(hz(first.bandwidthKhz) - hz(second.bandwidthKhz)) / 10;
    return {sum / (2 * k300KhzHz) * k300KhzHz, k300KhzHz,
            notedSpacingHz(band, first.bandwidthKhz, second.bandwidthKhz)};
}

// TS 38.101-1 V19.6.0 clause 5.4A.1 and TS 38.104 clause 5.4.1.2, with GB the minimum guard
// bands at μ0: floor((BW1 + BW2 - 2 |GB1 - GB2|) / 0.6) x 0.3 MHz with a 100 kHz (or 10 kHz)
// raster; else floor((BW1 + BW2 - 2 |GB1 - GB2|) / (2 u)) x u with u = 0.015 x 2^μ0 MHz on a
// 15 kHz raster and 0.06 x 2^(μ0 - 2) MHz on FR2's 60 kHz one, which are both SCS(μ0).
Reading<CaSpacing> nrSpacing(BandRef band, const CarrierShape& first, const CarrierShape& second) {
    const auto& plan = *band.plan<ArfcnPlan>();
    if (carrierKind(band) == CarrierKind::NrFr2 && !hasRaster(plan, 60)) {
        return {std::nullopt, fullName(band) +
                                  " has no 60 kHz channel raster, and its contiguous "
                                  "aggregation spacing rule is not one of the three this "
                                  "program knows (TS 38.104 clause 5.4.1.2)"};
    }
    const std::int32_t scs0 = commonScsKhz(plan, first.bandwidthKhz, second.bandwidthKhz);
    Reading<AtCommonScs> a = atCommonScs(band, first.bandwidthKhz, scs0);
    Reading<AtCommonScs> b = atCommonScs(band, second.bandwidthKhz, scs0);
    if (!a.value || !b.value) {
        return {std::nullopt, a.value ? b.problem : a.problem};
    }
    const std::int64_t sum = hz(first.bandwidthKhz) + hz(second.bandwidthKhz) -
                             2 * std::abs(a.value->guardHz - b.value->guardHz);
    const bool coarse = hasCoarseRaster(plan);
    const std::int64_t unit = coarse ? k300KhzHz : hz(scs0);
    // TS 38.101-1 clause 5.4A.1: below it, multiples of the least common multiple of the channel
    // raster and the subcarrier spacing.
    const std::int64_t spacings = std::lcm(first.scsKhz, second.scsKhz);
    return {CaSpacing{sum / (2 * unit) * unit, hz(coarse ? std::lcm(100, spacings) : spacings), 0,
                      plan.sharedSpectrum},
            {}};
}

// The span of a carrier's resource blocks: an LTE downlink's N_RB x 180 kHz around its unused
// DC subcarrier (TS 36.101 Figure 5.6-1), an NR carrier's transmission bandwidth.
HzSpan resourceBlockSpan(const BandwidthCarrier& carrier) {
    const auto& side = listedSide(carrier);
    const int blocks = *carrier.resourceBlocks;
    if (carrier.band.format() == Format::Nr) {
        return transmissionBand(side.centreKhz, blocks, carrier.shape.scsKhz);
    }
    const std::int64_t half = std::int64_t{blocks} * 90'000 + 7'500;
    return {hz(side.centreKhz) - half, hz(side.centreKhz) + half};
}

// How far the aggregate's edges lie below the lowest carrier's centre and above the highest's.
struct Offsets {
    std::int64_t lowHz;
    std::int64_t highHz;
};

// F_offset,low and F_offset,high of TS 36.101 V19.6.0 clause 5.6A:
// (0.18 N_RB + Δf1) / 2 + BW_GB with BW_GB = 0.05 max(BW_Channel) - Δf1 / 2 for two carriers or
// more, Δf1 being 15 kHz on the downlink and 0 on the uplink, which therefore cancels out.
Offsets lteOffsets(const BandwidthCarrier& low, const BandwidthCarrier& high,
                   std::int32_t widestKhz, Direction direction) {
    const std::int64_t deltaF1 = direction == Direction::Downlink ? 15'000 : 0;
    const std::int64_t guard = hz(widestKhz) / 20 - deltaF1 / 2;
    const auto offset = [&](const BandwidthCarrier& carrier) {
        return (std::int64_t{*carrier.resourceBlocks} * 180'000 + deltaF1) / 2 + guard;
    };
    return {offset(low), offset(high)};
}

// TS 38.101-1 V19.6.0 clause 5.3A.3: F_offset,low = (12 N_RB,low + 1) SCS / 2 + BW_GB and
// F_offset,high = (12 N_RB,high - 1) SCS / 2 + BW_GB, all at μ0 of the two edge carriers, with
// BW_GB the larger of their minimum guard bands.
Reading<Offsets> nrOffsets(const BandwidthCarrier& low, const BandwidthCarrier& high) {
    const auto& plan = *low.band.plan<ArfcnPlan>();
    const std::int32_t scs0 = commonScsKhz(plan, low.shape.bandwidthKhz, high.shape.bandwidthKhz);
    const auto a = atCommonScs(low.band, low.shape.bandwidthKhz, scs0);
    const auto b = atCommonScs(low.band, high.shape.bandwidthKhz, scs0);
    if (!a.value || !b.value) {
        return {std::nullopt, a.value ? b.problem : a.problem};
    }
    const std::int64_t guard = std::max(a.value->guardHz, b.value->guardHz);
    const std::int64_t halfScs = hz(scs0) / 2;
    return {Offsets{(12 * std::int64_t{a.value->resourceBlocks} + 1) * halfScs + guard,
                    (12 * std::int64_t{b.value->resourceBlocks} - 1) * halfScs + guard},
            {}};
}

std::string mhzText(std::int64_t hzValue) {
    return numberText(static_cast<double>(hzValue) / 1e6, ".");
}

std::string pairProblem(const Aggregation& aggregation, const CaPair& pair) {
    const auto channelOf = [&](std::size_t at) {
        return channelText(listedSide(aggregation.carriers[at]).channel);
    };
    const std::string carriers = "channels " + channelOf(pair.low) + " and " + channelOf(pair.high);
    if (pair.overlaps()) {
        return "the resource blocks of " + carriers + " overlap by " +
               numberText(static_cast<double>(-pair.resourceBlockGapHz) / 1000, ".") + " kHz";
    }
    const auto& rule = pair.rule;
    if (pair.spacingHz % rule.stepHz != 0) {
        return carriers + " are " + mhzText(pair.spacingHz) + " MHz apart, no multiple of " +
               numberText(static_cast<double>(rule.stepHz) / 1000, ".") + " kHz";
    }
    return carriers + " are " + mhzText(pair.spacingHz) + " MHz apart, " +
           (rule.sharedSpectrum ? "more than 0.3 MHz from" : "more than") +
           " the nominal spacing of " + mhzText(rule.nominalHz) + " MHz";
}

// The directions the aggregate has a row for: those every carrier has.
std::vector<std::pair<Direction, bool>> aggregateDirections(const Aggregation& aggregation) {
    const auto all = [&](auto side) {
        return std::ranges::all_of(aggregation.carriers, [&](const BandwidthCarrier& carrier) {
            return (carrier.*side).has_value();
        });
    };
    switch (aggregation.carriers.front().band.duplex()) {
        case Duplex::Tdd:
            return {{Direction::Downlink, true}};
        case Duplex::Sul:
            return {{Direction::Uplink, false}};
        case Duplex::Sdl:
            return {{Direction::Downlink, false}};
        case Duplex::Fdd:
            break;
    }
    std::vector<std::pair<Direction, bool>> directions{{Direction::Downlink, false}};
    if (all(&BandwidthCarrier::uplink)) {
        directions.emplace_back(Direction::Uplink, false);
    }
    return directions;
}

Reading<CaAggregate> aggregateOf(const Aggregation& aggregation, Direction direction, bool both) {
    const auto& low = aggregation.carriers.front();
    const auto& high = aggregation.carriers.back();
    std::int32_t widest = 0;
    for (const auto& carrier : aggregation.carriers) {
        widest = std::max(widest, carrier.shape.bandwidthKhz);
    }
    const auto offsets = low.band.format() == Format::Lte
                             ? Reading<Offsets>{lteOffsets(low, high, widest, direction), {}}
                             : nrOffsets(low, high);
    if (!offsets.value) {
        return {std::nullopt, offsets.problem};
    }
    const auto side = [direction](const BandwidthCarrier& carrier) -> const CarrierSide& {
        return direction == Direction::Uplink && carrier.uplink ? *carrier.uplink
                                                                : *carrier.downlink;
    };
    const std::int64_t lowEdge = hz(side(low).centreKhz) - offsets.value->lowHz;
    const std::int64_t highEdge = hz(side(high).centreKhz) + offsets.value->highHz;
    const auto extent = bandExtent(low.band, direction);
    const bool inside = extent && lowEdge >= hz(extent->lowKhz) && highEdge <= hz(extent->highKhz);
    return {CaAggregate{direction, both, lowEdge, highEdge, inside}, {}};
}

std::string aggregateProblem(BandRef band, const CaAggregate& aggregate) {
    const auto extent = *bandExtent(band, aggregate.direction);
    return std::string(aggregate.both                               ? "the aggregate"
                       : aggregate.direction == Direction::Downlink ? "the downlink aggregate"
                                                                    : "the uplink aggregate") +
           ", " + mhzText(aggregate.lowEdgeHz) + " to " + mhzText(aggregate.highEdgeHz) +
           " MHz, leaves " + fullName(band) + " (" + megahertzText(extent.lowKhz) + " to " +
           megahertzText(extent.highKhz) + " MHz)";
}

}  // namespace

bool CaSpacing::allows(std::int64_t spacingHz) const {
    if (alsoAllowedHz != 0 && spacingHz == alsoAllowedHz) {
        return true;
    }
    if (spacingHz % stepHz != 0) {
        return false;
    }
    return sharedSpectrum ? std::abs(spacingHz - nominalHz) <= kSharedSpectrumDeviationHz
                          : spacingHz <= nominalHz;
}

Reading<CaSpacing> caSpacing(BandRef band, const CarrierShape& first, const CarrierShape& second) {
    if (band.format() == Format::Lte) {
        return {lteSpacing(band, first, second), {}};
    }
    if (band.format() == Format::Nr) {
        return nrSpacing(band, first, second);
    }
    return {std::nullopt, "carrier aggregation is for LTE and NR bands"};
}

Reading<Aggregation> aggregate(std::vector<BandwidthCarrier> carriers) {
    if (carriers.size() < kFewestComponentCarriers || carriers.size() > kMostComponentCarriers) {
        return {std::nullopt, "an aggregation has 2 to 5 component carriers, not " +
                                  channelText(static_cast<Channel>(carriers.size()))};
    }
    const BandRef band = carriers.front().band;
    for (const auto& carrier : carriers) {
        if (carrier.band != band) {
            return {std::nullopt, "the component carriers are of " + fullName(band) + " and " +
                                      fullName(carrier.band) + ": contiguous ones share a band"};
        }
    }
    std::ranges::stable_sort(carriers, {}, [](const BandwidthCarrier& carrier) {
        return listedSide(carrier).centreKhz;
    });
    Aggregation aggregation{std::move(carriers), {}, {}, {}};
    const auto& all = aggregation.carriers;
    for (std::size_t i = 1; i < all.size(); ++i) {
        const auto rule = caSpacing(band, all[i - 1].shape, all[i].shape);
        if (!rule.value) {
            return {std::nullopt, rule.problem};
        }
        const CaPair pair{i - 1, i, *rule.value,
                          hz(listedSide(all[i]).centreKhz - listedSide(all[i - 1]).centreKhz),
                          resourceBlockSpan(all[i]).lowHz - resourceBlockSpan(all[i - 1]).highHz};
        if (pair.overlaps() || !pair.allowed()) {
            aggregation.problems.push_back(pairProblem(aggregation, pair));
        }
        aggregation.pairs.push_back(pair);
    }
    for (const auto& [direction, both] : aggregateDirections(aggregation)) {
        const auto edges = aggregateOf(aggregation, direction, both);
        if (!edges.value) {
            return {std::nullopt, edges.problem};
        }
        if (!edges.value->insideBand) {
            aggregation.problems.push_back(aggregateProblem(band, *edges.value));
        }
        aggregation.aggregates.push_back(*edges.value);
    }
    return {std::move(aggregation), {}};
}

Reading<BandwidthCarrier> nextCarrier(const BandwidthCarrier& given, const CarrierShape& shape,
                                      bool below) {
    const auto rule = caSpacing(given.band, given.shape, shape);
    if (!rule.value) {
        return {std::nullopt, rule.problem};
    }
    const auto& side = listedSide(given);
    const std::int64_t nominalKhz = rule.value->nominalHz / 1000;
    const std::int64_t centre = side.centreKhz + (below ? -nominalKhz : nominalKhz);
    const std::string noFit = "no " + megahertzText(shape.bandwidthKhz) +
                              " MHz carrier fits the nominal " + mhzText(rule.value->nominalHz) +
                              " MHz " + (below ? "below" : "above") + " channel " +
                              channelText(side.channel) + ": ";
    const auto& plan = *given.band.plan<ArfcnPlan>();
    const auto channel = numberAtKhz(listedRuns(plan), centre);
    if (!channel) {
        return {std::nullopt, noFit + frequencyText(static_cast<double>(centre) / 1000, ".") +
                                  " MHz is no channel of " + fullName(given.band)};
    }
    auto next = carrierAt(given.band, *channel, shape);
    if (!next.value) {
        return {std::nullopt, noFit + next.problem};
    }
    return next;
}

}  // namespace tarnvale

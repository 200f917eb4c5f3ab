#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/carrier.h"

// Intra-band contiguous carrier aggregation of LTE and NR: the nominal channel spacing of two
// component carriers, the spacings a pair may have, and the aggregated channel bandwidth.
namespace tarnvale {

// TS 36.101 and TS 38.101-1 allow two to five contiguous component carriers in a band.
inline constexpr std::size_t kFewestComponentCarriers = 2;
inline constexpr std::size_t kMostComponentCarriers = 5;

// The spacing two adjacent carriers of the band may have: the nominal one is the largest, and
// any multiple of the step below it is allowed too (or, with shared spectrum, within 300 kHz of
// it); `alsoAllowedHz` is a further spacing a band note allows (0 for none).
struct CaSpacing {
    std::int64_t nominalHz;
    std::int64_t stepHz;
    std::int64_t alsoAllowedHz = 0;
    bool sharedSpectrum = false;

    bool allows(std::int64_t spacingHz) const;
};

// The spacing rule of two carriers of the band, or why the band has none.
Reading<CaSpacing> caSpacing(BandRef band, const CarrierShape& first, const CarrierShape& second);

// Two adjacent component carriers, by their place in Aggregation::carriers.
struct CaPair {
    std::size_t low;
    std::size_t high;
    CaSpacing rule;
    std::int64_t spacingHz;  // between their centres
    // From the top of the lower carrier's resource blocks to the bottom of the upper one's:
    // negative where they overlap.
    std::int64_t resourceBlockGapHz;

    bool allowed() const { return rule.allows(spacingHz); }
    bool overlaps() const { return resourceBlockGapHz < 0; }
};

// The aggregated channel bandwidth of one direction, from F_edge,low to F_edge,high.
struct CaAggregate {
    Direction direction;
    bool both;  // TDD: one row for both directions
    std::int64_t lowEdgeHz;
    std::int64_t highEdgeHz;
    bool insideBand;
};

// Component carriers, lowest first, with each adjacent pair and the aggregate of each direction
// every carrier has; `problems` says why the combination is no valid one (empty where it is).
struct Aggregation {
    std::vector<BandwidthCarrier> carriers;
    std::vector<CaPair> pairs;
    std::vector<CaAggregate> aggregates;
    std::vector<std::string> problems;
};

// The aggregation of valid carriers of one LTE or NR band, in any order; or why they cannot be
// aggregated at all (too few or too many, another format, no spacing rule).
Reading<Aggregation> aggregate(std::vector<BandwidthCarrier> carriers);

// The carrier of `shape` the nominal spacing above (or below) `given`, or why none is valid there.
Reading<BandwidthCarrier> nextCarrier(const BandwidthCarrier& given, const CarrierShape& shape,
                                      bool below);

}  // namespace tarnvale

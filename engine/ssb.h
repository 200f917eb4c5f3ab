#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/carrier.h"

namespace tarnvale {

// An SS block position of a carrier, as a cell configures it.
struct SsbPosition {
    Channel gscn;
    std::int32_t scsKhz;  // the SS block's subcarrier spacing
    char pattern;         // case A to G
    std::int64_t ssRefKhz;
    Channel ssbArfcn;  // absoluteFrequencySSB: the NR-ARFCN of SS_REF
    int offsetToPointA;
    int kSsb;
};

// The common resource grid that offsetToPointA and k_SSB are counted on (TS 38.211 clauses
// 4.4.4.2 and 7.4.3.1, TS 38.331): the common resource block that overlaps the SS block's first
// resource block has the spacing subCarrierSpacingCommon, or the SS block's own with shared
// spectrum access (FR1) and in FR2-2. offsetToPointA counts resource blocks of 15 kHz (FR1) or
// 60 kHz (FR2); k_SSB counts subcarriers of 15 kHz (FR1) or of the common spacing (FR2).
struct SsbGrid {
    std::int32_t commonScsKhz;
    std::int32_t offsetRbKhz;  // the width of the resource block offsetToPointA counts
    std::int32_t kSsbUnitKhz;
};

SsbGrid ssbGrid(BandRef band, std::int32_t scsCommonKhz, std::int32_t ssbScsKhz);

// The subCarrierSpacingCommon a carrier's SS blocks are placed with here: the carrier's own
// spacing, 30 kHz for an FR1 carrier of 60 kHz, which CORESET#0 cannot have.
std::int32_t commonSpacingOf(const BandwidthCarrier& carrier);

struct SsbOffsets {
    int offsetToPointA;
    int kSsb;
};

// offsetToPointA and k_SSB of an SS block whose subcarrier 0 lies at `firstSubcarrierKhz`, over
// Point A; nullopt where it is off the grid's subcarriers or below Point A, or the offset passes
// 2199.
std::optional<SsbOffsets> ssbOffsets(std::int64_t pointAKhz, std::int64_t firstSubcarrierKhz,
                                     const SsbGrid& grid);

// Every valid SS block position of an NR carrier's downlink, by ascending GSCN (and spacing):
// the GSCNs of the band's synchronisation raster that apply to the carrier's bandwidth, whose
// occupied band lies within the carrier's transmission bandwidth, and whose offsetToPointA and
// k_SSB exist on the carrier's common resource grid (ssbGrid with commonSpacingOf).
std::vector<SsbPosition> ssbPositions(const BandwidthCarrier& carrier);

// Why ssbPositions() is empty for an NR carrier: its resource blocks are narrower than an SS
// block of any of its band's cases, or no GSCN of the band puts one inside them.
std::string noSsbPositionText(const BandwidthCarrier& carrier);

}  // namespace tarnvale

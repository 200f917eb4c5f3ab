#pragma once

#include <cstdint>
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

// Every valid SS block position of an NR carrier's downlink, by ascending GSCN (and spacing):
// the GSCNs of the band's synchronisation raster that apply to the carrier's bandwidth, whose
// 240 subcarriers (SS_REF at subcarrier 120) lie within the carrier's subcarriers, and whose
// offsetToPointA and k_SSB exist (TS 38.211 clause 7.4.3.1, TS 38.331). The common resource
// grid has the carrier's spacing, 30 kHz for an FR1 carrier of 60 kHz. FR1: offsetToPointA
// counts 15 kHz resource blocks to the common resource block that holds the block's
// subcarrier 0, and k_SSB 15 kHz subcarriers from there (0 to 23); FR2: offsetToPointA counts
// 60 kHz resource blocks, k_SSB subcarriers of the common spacing (0 to 11).
std::vector<SsbPosition> ssbPositions(const BandwidthCarrier& carrier);

}  // namespace tarnvale

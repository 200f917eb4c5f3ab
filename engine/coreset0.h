#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/carrier.h"
#include "engine/coreset0_tables.h"
#include "engine/reading.h"
#include "engine/ssb.h"
#include "engine/subcarriers.h"

// CORESET#0, the control resource set of the SIB1 PDCCH, as the MIB's controlResourceSetZero
// picks it from a table of TS 38.213 clause 13, and where it lies beside its SS block.
namespace tarnvale {

// What picks the table: the band, the SS block's spacing, subCarrierSpacingCommon and the
// carrier's bandwidth (Table 13-0 is for 3 MHz channels, whose SS blocks have GSCNs of their own).
struct Coreset0Case {
    BandRef band;
    std::int32_t ssbScsKhz;
    std::int32_t scsCommonKhz;
    std::int32_t bandwidthKhz;
};

// The table of the case (TS 38.213 clause 13): FR1 Tables 13-0 to 13-6 (13-1A and 13-4A with
// shared spectrum, 13-5 and 13-6 for the bands of NOTE 17 of TS 38.101-1 Table 5.2-1), FR2-1
// Tables 13-7 to 13-10, FR2-2 Table 13-10A (CORESET#0 with the SS block's spacing); or why no
// table has the pair of spacings.
Reading<const Coreset0Table*> coreset0Table(const Coreset0Case& c);

// The CORESET#0 of a row, placed: its spacing, its first common resource block (of that
// spacing; Point A is subcarrier 0 of block 0), the resource blocks it occupies (a 24 block
// CORESET#0 is punctured to the 15 of a 3 MHz channel, TS 38.211 clause 7.3.2.2) and the band
// they cover.
struct Coreset0Place {
    const Coreset0Table* table;
    int index;
    Coreset0Row row;
    int offset;  // the row's offset for this k_SSB
    std::int32_t scsKhz;
    std::int64_t firstCrb;
    int occupiedBlocks;
    HzSpan band;
};

// Where the row lies for an SS block with these offsetToPointA and k_SSB on `grid` (TS 38.213
// clause 13: the offset counts from CORESET#0's lowest block to the common block that overlaps
// the SS block's first block); or why the row is none (reserved, or for another SS block).
Reading<Coreset0Place> placeCoreset0(const Coreset0Table& table, int index, std::int64_t pointAKhz,
                                     const SsbOffsets& offsets, const SsbGrid& grid,
                                     std::int32_t bandwidthKhz);

// The rows of `table` whose CORESET#0, for an SS block with these offsets, lies within
// `transmission`, the resource blocks of a carrier of CORESET#0's spacing.
std::vector<int> fittingCoreset0(const Coreset0Table& table, std::int64_t pointAKhz,
                                 const SsbOffsets& offsets, const SsbGrid& grid,
                                 std::int32_t bandwidthKhz, const HzSpan& transmission);

// The controlResourceSetZero values whose CORESET#0 lies in the carrier's transmission
// bandwidth for an SS block position of it, with subCarrierSpacingCommon the carrier's spacing;
// none for an FR1 carrier of 60 kHz, which CORESET#0 cannot have.
std::vector<int> coreset0Indices(const BandwidthCarrier& carrier, const SsbPosition& position);

// Whether an SS block with this k_SSB has a CORESET#0 for SIB1: k_SSB below 24 (FR1) or 12 (FR2).
bool hasCoreset0(BandRef band, int kSsb);

// What the MIB of an SS block without a CORESET#0 says of the others (TS 38.213 clause 13):
// with k_SSB 24 to 29 (FR1) or 12 and 13 (FR2), the GSCN of the next SS block that has one,
// Tables 13-16 and 13-17 (a range of GSCNs where searchSpaceZero is not known), 3 times as far
// in FR2-2; with k_SSB 31 or 15, a range of GSCNs around the reference where none has one.
struct GscnHint {
    std::string_view table;
    std::int64_t fromGscn;
    std::int64_t toGscn;
    bool noneInRange;
};

Reading<GscnHint> gscnHint(BandRef band, Channel referenceGscn, int kSsb, int coreset0,
                           std::optional<int> searchSpaceZero);

// The CORESET#0 of a row for an SS block position of the carrier, with subCarrierSpacingCommon
// the carrier's spacing (commonSpacingOf), or why it is none.
Reading<Coreset0Place> coreset0At(const BandwidthCarrier& carrier, const SsbPosition& position,
                                  int index);

// "0-5,8": indices as ranges.
std::string indexRangesText(const std::vector<int>& indices);

}  // namespace tarnvale

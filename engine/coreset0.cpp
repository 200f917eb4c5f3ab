#include "engine/coreset0.h"

#include "engine/arfcn_plan.h"
#include "engine/nr_raster.h"
#include "engine/number_text.h"

namespace tarnvale {
namespace {

constexpr std::array kFr1Tables = {&kTable13_0, &kTable13_1, &kTable13_2, &kTable13_3,
                                   &kTable13_4, &kTable13_5, &kTable13_6};
constexpr std::array kFr2Tables = {&kTable13_7, &kTable13_8, &kTable13_9, &kTable13_10};

// A 24 block CORESET#0 keeps the 15 blocks of a 3 MHz channel.
constexpr int kThreeMhzBlocks = 15;

enum class Range { Fr1, Fr2_1, Fr2_2 };

Range rangeOf(BandRef band) {
    const auto& runs = listedRuns(*band.plan<ArfcnPlan>());
    const std::int64_t low = runs.empty() ? 0 : runs.front().firstKhz;
    return low >= kFr2_2LowKhz ? Range::Fr2_2 : low >= kFr2LowKhz ? Range::Fr2_1 : Range::Fr1;
}

std::string spacingsText(const Coreset0Case& c) {
    return "{" + channelText(c.ssbScsKhz) + ", " + channelText(c.scsCommonKhz) + "} kHz";
}

const Coreset0Table* fr1Table(const Coreset0Case& c, const ArfcnPlan& plan) {
    if (plan.sharedSpectrum) {
        return c.ssbScsKhz == 15 ? &kTable13_1A : &kTable13_4A;
    }
    if (c.ssbScsKhz == 15 && c.scsCommonKhz == 15) {
        return c.bandwidthKhz == 3000 ? &kTable13_0 : &kTable13_1;
    }
    for (const auto* table : kFr1Tables) {
        const bool forNote17 = table == &kTable13_5 || table == &kTable13_6;
        if (table->ssbScsKhz == c.ssbScsKhz && table->coresetScsKhz == c.scsCommonKhz &&
            table != &kTable13_0 && forNote17 == plan.coreset0Of40MhzBands) {
            return table;
        }
    }
    return nullptr;
}

}  // namespace

Reading<const Coreset0Table*> coreset0Table(const Coreset0Case& c) {
    const auto* plan = c.band.plan<ArfcnPlan>();
    if (plan == nullptr || c.band.format() != Format::Nr) {
        return {std::nullopt, fullName(c.band) + " has no CORESET#0: it is no NR band"};
    }
    const Coreset0Table* table = nullptr;
    switch (rangeOf(c.band)) {
        case Range::Fr1:
            table = fr1Table(c, *plan);
            break;
        case Range::Fr2_1:
            for (const auto* each : kFr2Tables) {
                if (each->ssbScsKhz == c.ssbScsKhz && each->coresetScsKhz == c.scsCommonKhz) {
                    table = each;
                }
            }
            break;
        case Range::Fr2_2:
            // CORESET#0 has the SS block's spacing, whatever the MIB says.
            table = &kTable13_10A;
            break;
    }
    if (table == nullptr || (plan->sharedSpectrum && c.ssbScsKhz != c.scsCommonKhz)) {
        return {std::nullopt, "no CORESET#0 table of TS 38.213 clause 13 has the spacings " +
                                  spacingsText(c) + " (SS block, subCarrierSpacingCommon) in " +
                                  fullName(c.band)};
    }
    return {table, {}};
}

Reading<Coreset0Place> placeCoreset0(const Coreset0Table& table, int index, std::int64_t pointAKhz,
                                     const SsbOffsets& offsets, const SsbGrid& grid,
                                     std::int32_t bandwidthKhz) {
    const std::string name = "controlResourceSetZero " + channelText(index);
    if (index < 0 || index > 15) {
        return {std::nullopt, name + " is not one: it is 0 to 15"};
    }
    const auto& row = table.rows[static_cast<std::size_t>(index)];
    if (row.reserved()) {
        return {std::nullopt, name + " is reserved in TS 38.213 Table " + std::string(table.name)};
    }
    if (&table == &kTable13_0 && index >= kTable13_0RowsOfNote12) {
        return {std::nullopt, name +
                                  " of TS 38.213 Table 13-0 is for an SS block on n100's GSCN "
                                  "41638 in a 20 resource block channel"};
    }
    // The common grid the SS block's offsets count on has CORESET#0's spacing.
    const std::int32_t scs = grid.commonScsKhz;
    const int offset = offsets.kSsb > 0 ? row.offsetIfKssb : row.offset;
    const std::int64_t ssbCrb =
        std::int64_t{offsets.offsetToPointA} * grid.offsetRbKhz / (12 * std::int64_t{scs});
    const std::int64_t first = ssbCrb - offset;
    const int occupied = bandwidthKhz == 3000 ? std::min<int>(row.resourceBlocks, kThreeMhzBlocks)
                                              : row.resourceBlocks;
    const std::int64_t scsHz = std::int64_t{scs} * 1000;
    const std::int64_t lowHz = pointAKhz * 1000 + first * 12 * scsHz - scsHz / 2;
    return {Coreset0Place{&table, index, row, offset, scs, first, occupied,
                          HzSpan{lowHz, lowHz + std::int64_t{occupied} * 12 * scsHz}},
            {}};
}

std::vector<int> fittingCoreset0(const Coreset0Table& table, std::int64_t pointAKhz,
                                 const SsbOffsets& offsets, const SsbGrid& grid,
                                 std::int32_t bandwidthKhz, const HzSpan& transmission) {
    std::vector<int> indices;
    for (int index = 0; index < 16; ++index) {
        const auto place = placeCoreset0(table, index, pointAKhz, offsets, grid, bandwidthKhz);
        if (place.value && transmission.holds(place.value->band)) {
            indices.push_back(index);
        }
    }
    return indices;
}

Reading<Coreset0Place> coreset0At(const BandwidthCarrier& carrier, const SsbPosition& position,
                                  int index) {
    const std::int32_t common = commonSpacingOf(carrier);
    const auto table =
        coreset0Table({carrier.band, position.scsKhz, common, carrier.shape.bandwidthKhz});
    if (!table.value) {
        return {std::nullopt, table.problem};
    }
    return placeCoreset0(**table.value, index, *carrier.downlink->pointAKhz,
                         {position.offsetToPointA, position.kSsb},
                         ssbGrid(carrier.band, common, position.scsKhz),
                         carrier.shape.bandwidthKhz);
}

std::vector<int> coreset0Indices(const BandwidthCarrier& carrier, const SsbPosition& position) {
    const std::int32_t common = commonSpacingOf(carrier);
    const SsbGrid grid = ssbGrid(carrier.band, common, position.scsKhz);
    const auto table =
        coreset0Table({carrier.band, position.scsKhz, common, carrier.shape.bandwidthKhz});
    // CORESET#0's blocks are the carrier's only where they have its spacing.
    if (!table.value || !carrier.downlink || !carrier.resourceBlocks ||
        grid.commonScsKhz != carrier.shape.scsKhz) {
        return {};
    }
    const auto& side = *carrier.downlink;
    return fittingCoreset0(
        **table.value, *side.pointAKhz, {position.offsetToPointA, position.kSsb}, grid,
        carrier.shape.bandwidthKhz,
        transmissionBand(side.centreKhz, *carrier.resourceBlocks, carrier.shape.scsKhz));
}

bool hasCoreset0(BandRef band, int kSsb) {
    return kSsb < (rangeOf(band) == Range::Fr1 ? 24 : 12);
}

Reading<GscnHint> gscnHint(BandRef band, Channel referenceGscn, int kSsb, int coreset0,
                           std::optional<int> searchSpaceZero) {
    const bool fr1 = rangeOf(band) == Range::Fr1;
    const std::string_view table = fr1 ? "13-16" : "13-17";
    // k_SSB counted from the first without a CORESET#0: 24 in FR1, 12 in FR2.
    const int step = kSsb - (fr1 ? 24 : 12);
    const int last = fr1 ? 7 : 3;
    if (step == last) {
        if (!searchSpaceZero) {
            return {std::nullopt, "k_SSB " + channelText(kSsb) +
                                      " names a range of GSCNs that searchSpaceZero ends: give "
                                      "--search-space-zero"};
        }
        return {GscnHint{table, std::int64_t{referenceGscn} - coreset0,
                         std::int64_t{referenceGscn} + *searchSpaceZero, true},
                {}};
    }
    if (step == last - 1 || step < 0) {
        return {std::nullopt, "k_SSB " + channelText(kSsb) + " is reserved in TS 38.213 Table " +
                                  std::string(table)};
    }
    // FR1: 24 to 26 look up, 27 to 29 down, by 256 more each; FR2: 12 up, 13 down.
    const int blocks = fr1 ? 3 : 1;
    const int sign = step < blocks ? 1 : -1;
    const int base = 256 * (step % blocks);
    const int size = rangeOf(band) == Range::Fr2_2 ? 3 : 1;
    const int low = 16 * coreset0 + searchSpaceZero.value_or(0);
    const int high = 16 * coreset0 + searchSpaceZero.value_or(15);
    const std::int64_t first = referenceGscn + std::int64_t{sign} * size * (base + low + 1);
    const std::int64_t second = referenceGscn + std::int64_t{sign} * size * (base + high + 1);
    return {GscnHint{table, std::min(first, second), std::max(first, second), false}, {}};
}

std::string indexRangesText(const std::vector<int>& indices) {
    std::string text;
    for (std::size_t i = 0; i < indices.size();) {
        std::size_t j = i;
        while (j + 1 < indices.size() && indices[j + 1] == indices[j] + 1) {
            ++j;
        }
        text += text.empty() ? "" : ",";
        text += channelText(indices[i]);
        if (j > i) {
            text += "-" + channelText(indices[j]);
        }
        i = j + 1;
    }
    return text;
}

}  // namespace tarnvale

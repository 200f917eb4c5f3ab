#include "engine/ssb.h"

#include <algorithm>
#include <tuple>

#include "engine/arfcn_plan.h"
#include "engine/nr_raster.h"
#include "engine/number_text.h"
#include "engine/subcarriers.h"

namespace tarnvale {

SsbGrid ssbGrid(BandRef band, std::int32_t scsCommonKhz, std::int32_t ssbScsKhz) {
    const auto* plan = band.plan<ArfcnPlan>();
    const auto& runs = listedRuns(*plan);
    const std::int64_t low = runs.empty() ? 0 : runs.front().firstKhz;
    if (low >= kFr2LowKhz) {
        const std::int32_t common = low >= kFr2_2LowKhz ? ssbScsKhz : scsCommonKhz;
        return {common, 12 * 60, common};
    }
    return {plan->sharedSpectrum ? ssbScsKhz : scsCommonKhz, 12 * 15, 15};
}

std::int32_t commonSpacingOf(const BandwidthCarrier& carrier) {
    const std::int32_t scs = carrier.shape.scsKhz;
    return carrierKind(carrier.band) == CarrierKind::NrFr2 ? scs : std::min(scs, 30);
}

std::optional<SsbOffsets> ssbOffsets(std::int64_t pointAKhz, std::int64_t firstSubcarrierKhz,
                                     const SsbGrid& grid) {
    const std::int64_t fromPointA = firstSubcarrierKhz - pointAKhz;
    const std::int64_t crbKhz = 12 * std::int64_t{grid.commonScsKhz};
    if (fromPointA < 0) {
        return std::nullopt;
    }
    const std::int64_t crbs = fromPointA / crbKhz;
    const std::int64_t rest = fromPointA - crbs * crbKhz;
    const std::int64_t offset = crbs * crbKhz / grid.offsetRbKhz;
    if (rest % grid.kSsbUnitKhz != 0 || offset > kLargestOffsetToPointA) {
        return std::nullopt;
    }
    return SsbOffsets{static_cast<int>(offset), static_cast<int>(rest / grid.kSsbUnitKhz)};
}

std::vector<SsbPosition> ssbPositions(const BandwidthCarrier& carrier) {
    std::vector<SsbPosition> positions;
    const auto* plan = carrier.band.plan<ArfcnPlan>();
    if (plan == nullptr || carrier.band.format() != Format::Nr || !carrier.downlink ||
        !carrier.resourceBlocks) {
        return positions;
    }
    const auto& side = *carrier.downlink;
    const HzSpan transmission =
        transmissionBand(side.centreKhz, *carrier.resourceBlocks, carrier.shape.scsKhz);
    const SsbSubcarriers received = ssbSubcarriers(carrier.shape.bandwidthKhz);
    for (const auto& range : plan->gscn) {
        if (!range.appliesTo(carrier.shape.bandwidthKhz)) {
            continue;
        }
        const SsbGrid grid = ssbGrid(carrier.band, commonSpacingOf(carrier), range.scsKhz);
        for (std::size_t k = 0; k < range.gscn.count(); ++k) {
            const Channel gscn = range.gscn.at(k);
            const std::int64_t ssRef = *gscnKhz(gscn);
            if (!transmission.holds(ssbOccupiedBand(ssRef, range.scsKhz, received))) {
                continue;
            }
            const auto offsets = ssbOffsets(
                *side.pointAKhz, ssbFirstSubcarrierKhz(ssRef, range.scsKhz, received), grid);
            if (offsets) {
                positions.push_back({gscn, range.scsKhz, range.pattern, ssRef, *nrArfcnAt(ssRef),
                                     offsets->offsetToPointA, offsets->kSsb});
            }
        }
    }
    // Ranges of one spacing may overlap (n90), and spacings interleave.
    const auto key = [](const SsbPosition& p) { return std::tuple(p.gscn, p.scsKhz); };
    std::sort(positions.begin(), positions.end(),
              [&](const SsbPosition& a, const SsbPosition& b) { return key(a) < key(b); });
    positions.erase(
        std::unique(positions.begin(), positions.end(),
                    [&](const SsbPosition& a, const SsbPosition& b) { return key(a) == key(b); }),
        positions.end());
    return positions;
}

std::string noSsbPositionText(const BandwidthCarrier& carrier) {
    const auto* plan = carrier.band.plan<ArfcnPlan>();
    const SsbSubcarriers received = ssbSubcarriers(carrier.shape.bandwidthKhz);
    const std::int64_t blocksKhz =
        12 * std::int64_t{*carrier.resourceBlocks} * carrier.shape.scsKhz;
    std::int64_t narrowestKhz = 0;
    std::int32_t narrowestScs = 0;
    for (const auto& range : plan->gscn) {
        const std::int64_t khz = std::int64_t{received.count} * range.scsKhz;
        if (range.appliesTo(carrier.shape.bandwidthKhz) &&
            (narrowestKhz == 0 || khz < narrowestKhz)) {
            narrowestKhz = khz;
            narrowestScs = range.scsKhz;
        }
    }
    const std::string size = numberText(carrier.shape.bandwidthKhz / 1000.0, ".") + " MHz";
    if (narrowestKhz == 0) {
        return fullName(carrier.band) + " has no GSCN for " + size + " carriers";
    }
    if (blocksKhz < narrowestKhz) {
        return "the " + megahertzText(blocksKhz) + " MHz of resource blocks of a " + size +
               " carrier are narrower than an SS block of " + fullName(carrier.band) + " (" +
               megahertzText(narrowestKhz) + " MHz at " + channelText(narrowestScs) + " kHz)";
    }
    const auto& side = *carrier.downlink;
    return "no GSCN of " + fullName(carrier.band) +
           " puts an SS block inside the resource blocks " + "of the " + size +
           " carrier at channel " + channelText(side.channel) + " on its common resource grid";
}

}  // namespace tarnvale

#include "engine/ssb.h"

#include <algorithm>
#include <tuple>

#include "engine/nr_raster.h"
#include "engine/run_union.h"
#include "engine/subcarriers.h"

namespace tarnvale {
namespace {

struct Grid {
    std::int64_t commonScsKhz;  // the common resource grid's subcarrier spacing
    std::int64_t offsetRbKhz;   // the resource block offsetToPointA counts
    std::int64_t kSsbUnitKhz;   // the subcarrier k_SSB counts
};

Grid gridOf(const BandwidthCarrier& carrier) {
    const std::int64_t scs = carrier.shape.scsKhz;
    if (carrierKind(carrier.band) == CarrierKind::NrFr2) {
        return {scs, std::int64_t{12} * 60, scs};
    }
    return {std::min<std::int64_t>(scs, 30), std::int64_t{12} * 15, 15};
}

}  // namespace

std::vector<SsbPosition> ssbPositions(const BandwidthCarrier& carrier) {
    std::vector<SsbPosition> positions;
    const auto* plan = carrier.band.plan<ArfcnPlan>();
    if (plan == nullptr || carrier.band.format() != Format::Nr || !carrier.downlink ||
        !carrier.resourceBlocks) {
        return positions;
    }
    const auto& side = *carrier.downlink;
    const std::int64_t scs = carrier.shape.scsKhz;
    const std::int64_t lowest = lowestSubcarrierKhz(side.centreKhz, *carrier.resourceBlocks, scs);
    const std::int64_t highest = lowest + (12 * std::int64_t{*carrier.resourceBlocks} - 1) * scs;
    const Grid grid = gridOf(carrier);
    const std::int64_t crbKhz = 12 * grid.commonScsKhz;
    for (const auto& range : plan->gscn) {
        if (!range.appliesTo(carrier.shape.bandwidthKhz)) {
            continue;
        }
        for (std::size_t k = 0; k < range.gscn.count(); ++k) {
            const Channel gscn = range.gscn.at(k);
            const std::int64_t ssRef = *gscnKhz(gscn);
            const std::int64_t first = ssbFirstSubcarrierKhz(ssRef, range.scsKhz);
            const std::int64_t last = first + (kSsbSubcarriers - 1) * std::int64_t{range.scsKhz};
            const std::int64_t fromPointA = first - *side.pointAKhz;
            if (first < lowest || last > highest || fromPointA < 0) {
                continue;
            }
            const std::int64_t crbs = fromPointA / crbKhz;
            const std::int64_t rest = fromPointA - crbs * crbKhz;
            const auto offset = static_cast<int>(crbs * crbKhz / grid.offsetRbKhz);
            if (rest % grid.kSsbUnitKhz != 0 || offset > kLargestOffsetToPointA) {
                continue;
            }
            positions.push_back({gscn, range.scsKhz, range.pattern, ssRef, *nrArfcnAt(ssRef),
                                 offset, static_cast<int>(rest / grid.kSsbUnitKhz)});
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

}  // namespace tarnvale

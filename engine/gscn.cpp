#include "engine/gscn.h"

#include <cmath>
#include <vector>

#include "engine/nr_raster.h"
#include "engine/number_text.h"
#include "engine/run_union.h"

namespace tarnvale {

std::optional<double> gscnFrequencyMhz(Channel gscn) {
    const auto khz = gscnKhz(gscn);
    return khz ? std::optional<double>(static_cast<double>(*khz) / 1000.0) : std::nullopt;
}

std::string gscnRangeText() {
    return channelText(kFirstGscn) + " to " + channelText(kLastGscn);
}

namespace {

// The first GSCN of [first, last] whose SS_REF is at or above `hz`; SS_REF grows with the GSCN
// in each numbering.
Channel firstAtOrAbove(std::int64_t hz, Channel first, Channel last) {
    while (first < last) {
        const Channel middle = first + (last - first) / 2;
        if (*gscnKhz(middle) * 1000 < hz) {
            first = middle + 1;
        } else {
            last = middle;
        }
    }
    return first;
}

GscnNear nearOf(Channel gscn, std::int64_t hz) {
    const std::int64_t ssRef = *gscnKhz(gscn);
    return {gscn, ssRef, static_cast<double>(ssRef * 1000 - hz) / 1000};
}

}  // namespace

// In whole hertz, so that a frequency halfway between two GSCNs is exactly so.
std::vector<GscnNear> gscnsNear(double mhz) {
    std::vector<GscnNear> near;
    if (!(mhz >= 0 && mhz <= 100000)) {
        return near;
    }
    const auto hz = static_cast<std::int64_t>(std::llround(mhz * 1e6));
    const Channel above = firstAtOrAbove(hz, kFirstGscn, kFirst3MhzGscn - 1);
    auto nearest = nearOf(above, hz);
    if (above > kFirstGscn && nearest.offsetKhz > 0) {
        const auto below = nearOf(above - 1, hz);
        nearest = -below.offsetKhz <= nearest.offsetKhz ? below : nearest;
    }
    near.push_back(nearest);
    const auto exact = nearOf(firstAtOrAbove(hz, kFirst3MhzGscn, kLast3MhzGscn), hz);
    if (exact.offsetKhz == 0) {
        near.push_back(exact);
    }
    return near;
}

void forEachGscn(BandRef band, const std::function<void(const GscnEntry&)>& visit) {
    const auto* plan = band.plan<ArfcnPlan>();
    if (plan == nullptr) {
        return;
    }
    const auto& ranges = plan->gscn;
    std::vector<bool> done(ranges.size());
    // Entries of one spacing and pattern (a range per channel bandwidth, or single GSCNs) are
    // one set.
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        if (done[i]) {
            continue;
        }
        std::vector<ChannelRun> runs;
        for (std::size_t j = i; j < ranges.size(); ++j) {
            if (ranges[j].scsKhz == ranges[i].scsKhz && ranges[j].pattern == ranges[i].pattern) {
                runs.push_back(ranges[j].gscn);
                done[j] = true;
            }
        }
        forEachInUnion(runs, [&](Channel gscn) {
            visit({ranges[i].scsKhz, ranges[i].pattern, gscn, *gscnFrequencyMhz(gscn)});
        });
    }
}

}  // namespace tarnvale

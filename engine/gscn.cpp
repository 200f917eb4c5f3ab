#include "engine/gscn.h"

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

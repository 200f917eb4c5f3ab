#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <vector>

#include "engine/band.h"

// The ascending union of runs of channel numbers. The runs of one band may overlap: an NR
// band's 30 kHz raster lies on its 15 kHz raster, and its 100 kHz raster partly does. Counts
// are taken by inclusion and exclusion over the runs' intersections, so each answer takes a few
// steps, however many numbers the runs hold.
namespace tarnvale {

// The numbers that two runs share, themselves a run, or nullopt where they share none.
std::optional<ChannelRun> intersect(const ChannelRun& a, const ChannelRun& b);

std::size_t unionCount(std::span<const ChannelRun> runs);

// How many numbers of the union lie below `n`.
std::size_t unionCountBelow(std::span<const ChannelRun> runs, Channel n);

bool unionHolds(std::span<const ChannelRun> runs, Channel n);

// Calls visit(n) for every number of the union once, in ascending order.
template <typename Visit>
void forEachInUnion(std::span<const ChannelRun> runs, Visit&& visit) {
    constexpr auto kDone = std::numeric_limits<std::int64_t>::max();
    std::vector<std::int64_t> next(runs.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        next[i] = runs[i].first;
    }
    for (;;) {
        const std::int64_t smallest = next.empty() ? kDone : std::ranges::min(next);
        if (smallest == kDone) {
            return;
        }
        visit(static_cast<Channel>(smallest));
        for (std::size_t i = 0; i < runs.size(); ++i) {
            if (next[i] == smallest) {
                next[i] = next[i] + runs[i].step > runs[i].last ? kDone : next[i] + runs[i].step;
            }
        }
    }
}

}  // namespace tarnvale

#include "engine/channel_set.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "engine/run_union.h"

namespace tarnvale {
namespace {

// The member of a run nearest to `channel`, the lower of two as near.
Channel nearestInRun(const ChannelRun& run, Channel channel) {
    if (channel <= run.first) {
        return run.first;
    }
    if (channel >= run.last) {
        return run.last;
    }
    const Channel below = run.first + (channel - run.first) / run.step * run.step;
    return channel - below <= below + run.step - channel ? below : below + run.step;
}

// Whether every number of `inner` is one of `outer`.
bool holdsRun(const ChannelRun& outer, const ChannelRun& inner) {
    return inner.first >= outer.first && inner.last <= outer.last && inner.step % outer.step == 0 &&
           (inner.first - outer.first) % outer.step == 0;
}

}  // namespace

// A run within another adds nothing to the union and a term to each of its counts: an NR band's
// 30 kHz raster lies on its 15 kHz one.
ChannelSet::ChannelSet(const InlineList<ChannelRun, 6>& runs) {
    for (std::size_t i = 0; i < runs.size(); ++i) {
        bool nested = false;
        for (std::size_t j = 0; j < runs.size() && !nested; ++j) {
            nested = j != i && holdsRun(runs[j], runs[i]) && (runs[j] != runs[i] || j < i);
        }
        if (!nested) {
            runs_.push(runs[i]);
        }
    }
}

std::size_t ChannelSet::size() const {
    return isList_ ? list_.size() : unionCount(runs_.view());
}

Channel ChannelSet::at(std::size_t index) const {
    if (index >= size()) {
        throw std::out_of_range("channel index past the end of the set");
    }
    if (isList_) {
        return list_[index];
    }
    // The smallest number with more than `index` numbers of the set at or below it.
    std::int64_t low = runs_.front().first;
    std::int64_t high = runs_.front().last;
    for (const auto& run : runs_) {
        low = std::min<std::int64_t>(low, run.first);
        high = std::max<std::int64_t>(high, run.last);
    }
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (unionCountBelow(runs_.view(), static_cast<Channel>(middle + 1)) > index) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return static_cast<Channel>(low);
}

std::optional<std::size_t> ChannelSet::indexOf(Channel channel) const {
    if (isList_) {
        const auto found = std::ranges::lower_bound(list_, channel);
        if (found == list_.end() || *found != channel) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(found - list_.begin());
    }
    if (!unionHolds(runs_.view(), channel)) {
        return std::nullopt;
    }
    return unionCountBelow(runs_.view(), channel);
}

std::optional<Channel> ChannelSet::nearest(Channel channel) const {
    std::optional<Channel> best;
    const auto offer = [&](Channel candidate) {
        const auto distance = std::abs(std::int64_t{candidate} - channel);
        if (!best || distance < std::abs(std::int64_t{*best} - channel) ||
            (distance == std::abs(std::int64_t{*best} - channel) && candidate < *best)) {
            best = candidate;
        }
    };
    if (isList_) {
        const auto found = std::ranges::lower_bound(list_, channel);
        if (found != list_.end()) {
            offer(*found);
        }
        if (found != list_.begin()) {
            offer(*(found - 1));
        }
        return best;
    }
    for (const auto& run : runs_) {
        offer(nearestInRun(run, channel));
    }
    return best;
}

void ChannelSet::forEach(const std::function<void(Channel)>& visit) const {
    if (isList_) {
        std::ranges::for_each(list_, visit);
    } else {
        forEachInUnion(runs_.view(), visit);
    }
}

}  // namespace tarnvale

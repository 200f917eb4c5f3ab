#include "engine/channel_list.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "engine/number_text.h"

namespace tarnvale {

std::size_t channelCount(BandRef band) {
    std::size_t count = 0;
    for (const auto& run : band->plan.list) {
        count += run.count();
    }
    return count;
}

Channel channelAt(BandRef band, std::size_t index) {
    for (const auto& run : band->plan.list) {
        if (index < run.count()) {
            return run.at(index);
        }
        index -= run.count();
    }
    throw std::out_of_range("channel index past the end of the band's list");
}

std::optional<std::size_t> channelIndex(BandRef band, Channel channel) {
    std::size_t before = 0;
    for (const auto& run : band->plan.list) {
        if (run.holds(channel)) {
            return before + run.placeOf(channel);
        }
        before += run.count();
    }
    return std::nullopt;
}

// Runs of single steps, in ascending order, as "first-last" joined by ", ".
std::string validChannelText(BandRef band) {
    const auto& plan = band->plan;
    if (!plan.validChannels.empty()) {
        return std::string(plan.validChannels);
    }
    std::vector<ChannelRun> runs(plan.list.begin(), plan.list.end());
    std::ranges::sort(runs, {}, &ChannelRun::first);
    std::string text;
    for (const auto& run : runs) {
        if (!text.empty()) {
            text += ", ";
        }
        appendChannel(text, run.first);
        text += '-';
        appendChannel(text, run.last);
    }
    return text;
}

}  // namespace tarnvale

#include "engine/channel_list.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "engine/carrier_plan.h"
#include "engine/number_text.h"
#include "engine/run_union.h"

namespace tarnvale {
namespace {

void appendRun(std::string& text, const ChannelRun& run) {
    appendInteger(text, run.first);
    if (run.last != run.first) {
        text += '-';
        appendInteger(text, run.last);
    }
    if (run.step != 1) {
        text += " [step ";
        appendInteger(text, run.step);
        text += ']';
    }
}

// Runs in ascending order as "first-last [step s]", joined by ", "; a run that two rasters
// share is named once.
std::string runsText(std::vector<ChannelRun> runs) {
    std::ranges::sort(
        runs, {}, [](const ChannelRun& run) { return std::tuple(run.first, run.step, run.last); });
    runs.erase(std::unique(runs.begin(), runs.end()), runs.end());
    std::string text;
    for (const auto& run : runs) {
        if (!text.empty()) {
            text += ", ";
        }
        appendRun(text, run);
    }
    return text;
}

std::string runsText(const CarrierRuns& runs) {
    const auto numbers = numbersOf(runs);
    return runsText(std::vector<ChannelRun>(numbers.begin(), numbers.end()));
}

std::string carrierText(const CarrierPlan& plan) {
    switch (plan.duplex) {
        case Duplex::Tdd:
            return runsText(plan.downlink);
        case Duplex::Sdl:
            return "DL: " + runsText(plan.downlink);
        case Duplex::Sul:
            return "UL: " + runsText(plan.uplink);
        case Duplex::Fdd:
            break;
    }
    return "DL: " + runsText(plan.downlink) + "; UL: " + runsText(plan.uplink);
}

void widen(BandWindow& window, const CarrierRuns& runs) {
    for (const auto& run : runs) {
        window.start = std::min(window.start, run.khzOf(run.numbers.first) / 1000.0);
        window.stop = std::max(window.stop, run.khzOf(run.numbers.last) / 1000.0);
    }
}

}  // namespace

std::size_t channelCount(BandRef band) {
    if (!band.isClassic()) {
        return unionCount(numbersOf(listedRuns(band.carriers())).view());
    }
    std::size_t count = 0;
    for (const auto& run : band.classic().list) {
        count += run.count();
    }
    return count;
}

Channel channelAt(BandRef band, std::size_t index) {
    if (!band.isClassic()) {
        // The smallest number with more than `index` numbers of the list at or below it.
        const auto numbers = numbersOf(listedRuns(band.carriers()));
        if (index >= unionCount(numbers.view())) {
            throw std::out_of_range("channel index past the end of the band's list");
        }
        Channel low = numbers.front().first;
        Channel high = numbers.front().last;
        for (const auto& run : numbers) {
            low = std::min(low, run.first);
            high = std::max(high, run.last);
        }
        while (low < high) {
            const Channel middle = low + (high - low) / 2;
            if (unionCountBelow(numbers.view(), middle + 1) > index) {
                high = middle;
            } else {
                low = middle + 1;
            }
        }
        return low;
    }
    for (const auto& run : band.classic().list) {
        if (index < run.count()) {
            return run.at(index);
        }
        index -= run.count();
    }
    throw std::out_of_range("channel index past the end of the band's list");
}

std::optional<std::size_t> channelIndex(BandRef band, Channel channel) {
    if (!band.isClassic()) {
        const auto numbers = numbersOf(listedRuns(band.carriers()));
        if (!unionHolds(numbers.view(), channel)) {
            return std::nullopt;
        }
        return unionCountBelow(numbers.view(), channel);
    }
    std::size_t before = 0;
    for (const auto& run : band.classic().list) {
        if (run.holds(channel)) {
            return before + run.placeOf(channel);
        }
        before += run.count();
    }
    return std::nullopt;
}

std::string validChannelText(BandRef band) {
    if (!band.isClassic()) {
        return carrierText(band.carriers());
    }
    const auto& plan = band.classic();
    if (!plan.validChannels.empty()) {
        return std::string(plan.validChannels);
    }
    return runsText(std::vector<ChannelRun>(plan.list.begin(), plan.list.end()));
}

BandWindow bandWindow(BandRef band) {
    if (band.isClassic()) {
        return band.classic().window;
    }
    BandWindow window{std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()};
    widen(window, band.carriers().downlink);
    widen(window, band.carriers().uplink);
    return window;
}

}  // namespace tarnvale

#include "engine/channel_list.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "engine/arfcn_plan.h"
#include "engine/channel_set.h"
#include "engine/conversion.h"
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

// The downlink channels a WCDMA band's uplink runs pair with: each run lies on one side of the
// pairing's turning point.
std::vector<ChannelRun> pairedRuns(const ClassicPlan& plan) {
    std::vector<ChannelRun> runs;
    for (const auto& run : plan.list) {
        runs.push_back({*pairedDownlinkChannel(plan, run.first), run.step,
                        *pairedDownlinkChannel(plan, run.last)});
    }
    return runs;
}

std::size_t countOf(const ClassicPlan& plan) {
    std::size_t count = 0;
    for (const auto& run : plan.list) {
        count += run.count();
    }
    return count;
}

ChannelSet listOf(const ArfcnPlan& plan) {
    return ChannelSet(numbersOf(listedRuns(plan)));
}

std::size_t countOf(const ArfcnPlan& plan) {
    return listOf(plan).size();
}

std::optional<std::size_t> indexOf(const ClassicPlan& plan, Channel channel) {
    std::size_t before = 0;
    for (const auto& run : plan.list) {
        if (run.holds(channel)) {
            return before + run.placeOf(channel);
        }
        before += run.count();
    }
    return std::nullopt;
}

std::optional<std::size_t> indexOf(const ArfcnPlan& plan, Channel channel) {
    return listOf(plan).indexOf(channel);
}

// The window shows a few texts the runs cannot give (Band I's comma, Band V's variable step,
// Band VI's two single channels); those are stored with the band.
std::string textOf(const ClassicPlan& plan) {
    if (!plan.validChannels.empty()) {
        return std::string(plan.validChannels);
    }
    std::vector<ChannelRun> list(plan.list.begin(), plan.list.end());
    if (!plan.pairing) {
        return runsText(list);
    }
    return "UL: " + runsText(list) + "; DL: " + runsText(pairedRuns(plan));
}

std::string textOf(const ArfcnPlan& plan) {
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

BandWindow emptyWindow() {
    return {std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()};
}

void widen(BandWindow& window, double mhz) {
    window.start = std::min(window.start, mhz);
    window.stop = std::max(window.stop, mhz);
}

BandWindow windowOf(const ClassicPlan& plan) {
    BandWindow window = emptyWindow();
    for (const auto& run : plan.list) {
        for (std::size_t k = 0; k < run.count(); ++k) {
            const auto c = convertChannel(plan, run.at(k));
            widen(window, c.forward);
            widen(window, c.reverse);
        }
    }
    return window;
}

BandWindow windowOf(const ArfcnPlan& plan) {
    BandWindow window = emptyWindow();
    for (const auto* runs : {&plan.downlink, &plan.uplink}) {
        for (const auto& run : *runs) {
            widen(window, static_cast<double>(run.khzOf(run.numbers.first)) / 1000.0);
            widen(window, static_cast<double>(run.khzOf(run.numbers.last)) / 1000.0);
        }
    }
    return window;
}

}  // namespace

std::size_t channelCount(BandRef band) {
    return band.visitPlan([](const auto& plan) { return countOf(plan); });
}

std::optional<std::size_t> channelIndex(BandRef band, Channel channel) {
    return band.visitPlan([channel](const auto& plan) { return indexOf(plan, channel); });
}

std::string validChannelText(BandRef band) {
    return band.visitPlan([](const auto& plan) { return textOf(plan); });
}

InlineList<Channel, 2> pairedUplinkChannels(BandRef band, const ClassicPlan& plan,
                                            Channel downlink) {
    InlineList<Channel, 2> uplinks;
    if (!plan.pairing) {
        return uplinks;
    }
    for (const Channel offset : {plan.pairing->offset, plan.pairing->offsetAbove}) {
        const Channel uplink = downlink - offset;
        if (channelIndex(band, uplink) && pairedDownlinkChannel(plan, uplink) == downlink &&
            (uplinks.empty() || uplinks.back() != uplink)) {
            uplinks.push(uplink);
        }
    }
    return uplinks;
}

std::string channelNotInBandText(BandRef band, Channel channel) {
    return "channel " + channelText(channel) + " is not in " + fullName(band) +
           " (valid channels: " + validChannelText(band) + ")";
}

BandWindow bandWindow(BandRef band) {
    return band.visitPlan([](const auto& plan) { return windowOf(plan); });
}

}  // namespace tarnvale

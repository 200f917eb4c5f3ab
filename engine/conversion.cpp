#include "engine/conversion.h"

#include <cstdint>
#include <limits>

namespace tarnvale {
namespace {

const SubRange* findRange(const ClassicRule& rule, Channel channel) {
    for (const auto& range : rule.ranges) {
        if (channel >= range.low && channel <= range.high) {
            return &range;
        }
    }
    return nullptr;
}

// The arithmetic is double precision, one operation at a time, in the order the rule states,
// so every carrier is the same double the window has always shown.
void convertOffsetStep(const SubRange* range, Channel channel, Conversion& result) {
    if (range != nullptr) {
        result.forward = range->base + range->step * static_cast<double>(channel - range->first);
        result.reverse = result.forward - range->gap;
    }
}

void convertDivideByFive(const ClassicRule& rule, const SubRange* range, Channel channel,
                         Conversion& result) {
    if (range != nullptr) {
        result.reverse = static_cast<double>(channel) / 5.0 + range->base;
    }
    // Computed even for a channel outside every sub-range, as the window always did.
    result.forward = result.reverse + rule.ranges.front().gap;
}

}  // namespace

Conversion convertChannel(const ClassicPlan& plan, Channel channel) {
    const ClassicRule& rule = plan.rule;
    Conversion result;
    const SubRange* range = findRange(rule, channel);
    if (rule.spacing == SpacingRule::BandWide) {
        result.spacing = rule.ranges.front().spacing;
    } else if (range != nullptr) {
        result.spacing = range->spacing;
    }
    if (rule.shape == Shape::OffsetStep) {
        convertOffsetStep(range, channel, result);
    } else {
        convertDivideByFive(rule, range, channel, result);
    }
    return result;
}

std::optional<Channel> pairedDownlinkChannel(const ClassicPlan& plan, Channel uplink) {
    const auto& pairing = plan.pairing;
    if (!pairing) {
        return std::nullopt;
    }
    const auto downlink =
        std::int64_t{uplink} + (uplink <= pairing->upTo ? pairing->offset : pairing->offsetAbove);
    if (downlink > std::numeric_limits<Channel>::max()) {
        return std::nullopt;
    }
    return static_cast<Channel>(downlink);
}

}  // namespace tarnvale

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue.h"
#include "channel_plans.h"

namespace tarnvale::cli {

// A band of the catalogue with its channel plan.
struct BandRef {
    std::string_view format;
    std::string_view band;
    const ChannelPlan* plan;
};

// The catalogue's format of that exact name, or a message naming the valid ones.
const RadioFormat* resolveFormat(std::string_view name, std::string& err);

// The band that the format lists under that exact name, or a message naming the valid ones.
std::optional<BandRef> resolveBand(std::string_view format, std::string_view band,
                                   std::string& err);

BandRef bandRef(const RadioFormat& format, std::string_view band);

}  // namespace tarnvale::cli

#include "wcdma_pairing.h"

#include <array>
#include <limits>

namespace tarnvale {
namespace {

struct Pairing {
    std::string_view band;
    Channel lowUpTo;  // uplink channels up to here take lowOffset, the others highOffset
    int lowOffset;
    int highOffset;
};

constexpr Channel kAll = std::numeric_limits<Channel>::max();

constexpr std::array<Pairing, 6> kPairings = {{
    {"Band I", kAll, 950, 950},
    {"Band II", kAll, 400, 400},
    {"Band III", kAll, 475, 475},
    {"Band IV", 1362, 300, 2000},
    {"Band V", kAll, 225, 225},
    {"Band VI", kAll, 225, 225},
}};

}  // namespace

std::optional<Channel> pairedDownlinkChannel(std::string_view band, Channel uplink) {
    for (const auto& pairing : kPairings) {
        if (pairing.band != band) {
            continue;
        }
        const int sum =
            uplink + (uplink <= pairing.lowUpTo ? pairing.lowOffset : pairing.highOffset);
        if (sum > std::numeric_limits<Channel>::max()) {
            return std::nullopt;
        }
        return static_cast<Channel>(sum);
    }
    return std::nullopt;
}

}  // namespace tarnvale

#include "wcdma_pairing.h"

#include <gtest/gtest.h>

namespace tarnvale {
namespace {

TEST(WcdmaPairing, DownlinkChannels) {
    const struct {
        const char* band;
        Channel uplink;
        Channel downlink;
    } rows[] = {
        {"Band I", 9612, 10562},  {"Band I", 9888, 10838},  {"Band II", 12, 412},
        {"Band II", 287, 687},    {"Band II", 9262, 9662},  {"Band III", 8562, 9037},
        {"Band III", 8913, 9388}, {"Band IV", 1162, 1462},  {"Band IV", 1362, 1662},
        {"Band IV", 1363, 3363},  {"Band IV", 8562, 10562}, {"Band V", 782, 1007},
        {"Band V", 4132, 4357},   {"Band VI", 812, 1037},   {"Band VI", 4188, 4413},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(pairedDownlinkChannel(r.band, r.uplink), r.downlink) << r.band << r.uplink;
    }
}

TEST(WcdmaPairing, NoPairingOutsideWcdmaOrPastTheRange) {
    EXPECT_EQ(pairedDownlinkChannel("Cell 800", 991), std::nullopt);
    EXPECT_EQ(pairedDownlinkChannel("band i", 9612), std::nullopt);
    EXPECT_EQ(pairedDownlinkChannel("Band I", 32000), std::nullopt);
}

}  // namespace
}  // namespace tarnvale

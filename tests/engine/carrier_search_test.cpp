#include "carrier_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "channel_plans.h"
#include "conversion.h"

namespace tarnvale {
namespace {

std::vector<std::string> describe(const std::vector<CarrierMatch>& matches) {
    std::vector<std::string> text;
    for (const auto& m : matches) {
        text.push_back(std::string(m.format) + "/" + std::string(m.band) + "/" +
                       std::to_string(m.channel) +
                       (m.direction == Direction::Forward ? "/F" : "/R"));
    }
    return text;
}

TEST(CarrierSearch, ExactFrequencyFindsEveryBandInCatalogueOrder) {
    EXPECT_EQ(describe(findCarriers(869.04, 0)),
              (std::vector<std::string>{"CDMA/Cell 800/991/F", "IS-136/Cell 800/991/F",
                                        "AMPS/Cell 800/991/F"}));
}

TEST(CarrierSearch, FindsReverseCarriersAndTheirListPlace) {
    const auto matches = findCarriers(915.0125, 0);
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches[0].band, "TACS (Japan)");
    EXPECT_EQ(matches[0].channel, 1);
    EXPECT_EQ(matches[0].index, 798u);
    EXPECT_EQ(matches[0].direction, Direction::Reverse);
    EXPECT_EQ(matches[0].offsetKhz, 0);
}

TEST(CarrierSearch, ZeroToleranceMeansEqualAtFourDecimals) {
    EXPECT_EQ(findCarriers(869.04004, 0).size(), 3u);
    EXPECT_TRUE(findCarriers(869.0401, 0).empty());
    EXPECT_TRUE(findCarriers(2300, 0).empty());
    EXPECT_TRUE(findCarriers(-869.04, 0).empty());
}

TEST(CarrierSearch, ToleranceWidensAndResultsSortByOffset) {
    const auto matches = findCarriers(869.05, 15);
    ASSERT_FALSE(matches.empty());
    double previous = 0;
    for (const auto& m : matches) {
        EXPECT_LE(std::fabs(m.offsetKhz), 15.0);
        EXPECT_GE(std::fabs(m.offsetKhz), previous);
        previous = std::fabs(m.offsetKhz);
        const auto c = convertChannel(m.band, m.format, m.channel);
        const double carrier = m.direction == Direction::Forward ? c.forward : c.reverse;
        EXPECT_NEAR(carrier, m.frequencyMhz, 5e-5);
    }
    // 869.04 (Cell 800 991) and 869.06 (992) both lie 10 kHz away.
    EXPECT_NE(std::find(describe(matches).begin(), describe(matches).end(), "AMPS/Cell 800/992/F"),
              describe(matches).end());
}

TEST(CarrierSearch, EveryListedCarrierFindsItself) {
    const auto list = buildChannelList(*findChannelPlan("CDMA", "NMT450"));
    for (const Channel channel : {list.front(), list[333], list.back()}) {
        const auto c = convertChannel("NMT450", "CDMA", channel);
        bool found = false;
        for (const auto& m : findCarriers(c.reverse, 0)) {
            found |= m.band == "NMT450" && m.channel == channel;
        }
        EXPECT_TRUE(found) << channel;
    }
}

}  // namespace
}  // namespace tarnvale

#include "engine/carrier_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/channel_list.h"
#include "engine/conversion.h"
#include "test_bands.h"

namespace tarnvale {
namespace {

std::vector<std::string> describe(const std::vector<CarrierMatch>& matches) {
    std::vector<std::string> text;
    for (const auto& m : matches) {
        text.push_back(std::string(m.band.formatName()) + "/" + std::string(m.band.name()) + "/" +
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
    EXPECT_EQ(matches[0].band.name(), "TACS (Japan)");
    EXPECT_EQ(matches[0].channel, 1);
    EXPECT_EQ(matches[0].index, 798u);
    EXPECT_EQ(matches[0].direction, Direction::Reverse);
    EXPECT_EQ(matches[0].offsetKhz, 0);
}

TEST(CarrierSearch, ZeroToleranceMeansEqualAtFourDecimals) {
    EXPECT_EQ(findCarriers(869.04004, 0).size(), 3u);
    EXPECT_TRUE(findCarriers(869.0401, 0).empty());
    EXPECT_TRUE(findCarriers(100, 0).empty());
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
        const auto c = convertChannel(m.band, m.channel);
        const double carrier = m.direction == Direction::Forward ? c.forward : c.reverse;
        EXPECT_NEAR(carrier, m.frequencyMhz, 5e-5);
    }
    // TACS 724 lies on 869.05, Cell 800 991 (869.04) 10 kHz below and TACS 723 and 725
    // 12.5 kHz off; Cell 800 992 (869.07) is 20 kHz away and stays out.
    EXPECT_EQ(describe(matches),
              (std::vector<std::string>{"CDMA/TACS (Japan)/724/F", "CDMA/Cell 800/991/F",
                                        "IS-136/Cell 800/991/F", "AMPS/Cell 800/991/F",
                                        "CDMA/TACS (Japan)/723/F", "CDMA/TACS (Japan)/725/F"}));
}

TEST(CarrierSearch, EveryListedCarrierFindsItself) {
    const auto nmt450 = testing::bandNamed("CDMA", "NMT450");
    for (const std::size_t index : {0, 333, 1292}) {
        const Channel channel = channelAt(nmt450, index);
        const auto c = convertChannel(nmt450, channel);
        bool found = false;
        for (const auto& m : findCarriers(c.reverse, 0)) {
            found |= m.band == nmt450 && m.channel == channel && m.index == index;
        }
        EXPECT_TRUE(found) << channel;
    }
}

}  // namespace
}  // namespace tarnvale

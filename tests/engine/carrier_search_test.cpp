#include "engine/carrier_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/band_table.h"
#include "engine/channel_list.h"
#include "engine/conversion.h"
#include "test_bands.h"
#include "tests/support/listed_channels.h"

namespace tarnvale {
namespace {

std::vector<std::string> describe(const std::vector<CarrierMatch>& matches) {
    std::vector<std::string> text;
    for (const auto& m : matches) {
        text.push_back(std::string(m.band.formatName()) + "/" + std::string(m.band.name()) + "/" +
                       std::to_string(m.channel) +
                       (m.direction == Direction::Downlink ? "/F" : "/R"));
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
    EXPECT_EQ(matches[0].direction, Direction::Uplink);
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
        const auto c = convertChannel(*m.band.plan<ClassicPlan>(), m.channel);
        const double carrier = m.direction == Direction::Downlink ? c.forward : c.reverse;
        EXPECT_NEAR(carrier, m.frequencyMhz, 5e-5);
    }
    // TACS 724 lies on 869.05, Cell 800 991 (869.04) 10 kHz below and TACS 723 and 725
    // 12.5 kHz off; Cell 800 992 (869.07) is 20 kHz away and stays out.
    EXPECT_EQ(describe(matches),
              (std::vector<std::string>{"CDMA/TACS (Japan)/724/F", "CDMA/Cell 800/991/F",
                                        "IS-136/Cell 800/991/F", "AMPS/Cell 800/991/F",
                                        "CDMA/TACS (Japan)/723/F", "CDMA/TACS (Japan)/725/F"}));
}

// Secondary 800 lists 0 to 919 as one run over two rules: 720 starts the second.
TEST(CarrierSearch, AListRunOverTwoRulesIsSearchedUnderEach) {
    for (const double mhz : {935.0, 896.0}) {
        const auto found = describe(findCarriers(mhz, 0, Format::Cdma));
        EXPECT_NE(std::ranges::find(found, mhz == 935.0 ? "CDMA/Secondary 800/720/F"
                                                        : "CDMA/Secondary 800/720/R"),
                  found.end())
            << mhz;
    }
}

// Frequencies and tolerances far past every band are answered without overflow: nothing
// beyond the tolerance's reach, and every carrier for a tolerance that reaches them all.
TEST(CarrierSearch, HugeFrequenciesAndTolerancesAreBounded) {
    EXPECT_TRUE(findCarriers(1e29, 0).empty());
    EXPECT_TRUE(findCarriers(1e29, 1e20).empty());
    EXPECT_TRUE(findCarriers(-1e29, 1e20).empty());
    EXPECT_TRUE(findCarriers(70905, 300).empty());
    EXPECT_EQ(describe(findCarriers(70905, 400)).front(), "NR/n263/2794243/F");
    EXPECT_TRUE(findCarriers(std::nan(""), 1).empty());
    EXPECT_TRUE(findCarriers(2000, -1).empty());
    const auto all = findCarriers(2000, 1e20, Format::Gsm).size();
    std::size_t carriers = 0;
    for (const BandRef band : bandsOf(Format::Gsm)) {
        carriers += 2 * channelCount(band);
    }
    EXPECT_EQ(all, carriers);
    EXPECT_EQ(findCarriers(2000, 1e25, Format::Gsm).size(), carriers);
    EXPECT_EQ(findCarriers(1e6, 1e25, Format::Gsm).size(), carriers);
    EXPECT_EQ(findCarriers(1e29, 1e35, Format::Gsm).size(), carriers);
}

TEST(CarrierSearch, EveryListedCarrierFindsItself) {
    const auto nmt450 = testing::bandNamed("CDMA", "NMT450");
    const auto list = testing::listedChannels(nmt450);
    for (const std::size_t index : {0, 333, 1292}) {
        const Channel channel = list.at(index);
        const auto c = convertChannel(*nmt450.plan<ClassicPlan>(), channel);
        bool found = false;
        for (const auto& m : findCarriers(c.reverse, 0)) {
            found |= m.band == nmt450 && m.channel == channel && m.index == index;
        }
        EXPECT_TRUE(found) << channel;
    }
}

}  // namespace
}  // namespace tarnvale

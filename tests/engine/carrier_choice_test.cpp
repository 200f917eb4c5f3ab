#include "engine/carrier_choice.h"

#include <gtest/gtest.h>

#include "engine/band_table.h"
#include "test_bands.h"

// What a change of the Carrier window's lists keeps, without a window.
namespace tarnvale {
namespace {

using testing::bandNamed;

Channel shown(const CarrierChoice& choice) {
    return choice.channels().at(choice.index());
}

// Every band of every bandwidth format, chosen after a carrier of another band: the bandwidth
// kept where the band allows it, else the nearest (the narrower of two as near); the channel
// the valid one nearest to the one shown before.
TEST(CarrierChoice, ABandChangeKeepsWhatTheBandAllowsAndTakesTheNearestOtherwise) {
    for (const auto format : kBandwidthFormats) {
        for (const BandRef band : bandsOf(format)) {
            CarrierChoice choice;
            choice.chooseFormat(format);
            const auto widths = choice.bandwidths();
            if (widths.empty() || !choice.carrier()) {
                continue;
            }
            choice.chooseBandwidth(widths.back());
            ASSERT_TRUE(choice.goToLast());
            const Channel before = shown(choice);
            const auto wanted = choice.bandwidthKhz();
            choice.chooseBand(band);
            if (choice.bandwidths().empty()) {
                EXPECT_FALSE(choice.problem().empty()) << band.name();
                continue;
            }
            std::int32_t nearest = choice.bandwidths().front();
            for (const auto khz : choice.bandwidths()) {
                nearest = std::abs(khz - wanted) < std::abs(nearest - wanted) ? khz : nearest;
            }
            EXPECT_EQ(choice.bandwidthKhz(), nearest) << band.name();
            if (!choice.channels().empty()) {
                EXPECT_EQ(shown(choice), *choice.channels().nearest(before)) << band.name();
            }
        }
    }
}

TEST(CarrierChoice, ASpacingIsKeptWhereTheBandwidthAllowsIt) {
    CarrierChoice choice;
    choice.chooseBand(bandNamed("NR", "n78"));
    choice.chooseBandwidth(100000);
    EXPECT_EQ(choice.spacings(), (std::vector<std::int32_t>{30, 60}));
    choice.chooseSpacing(60);
    choice.chooseBandwidth(50000);
    EXPECT_EQ(choice.scsKhz(), 60);
    choice.chooseBand(bandNamed("NR", "n28"));  // up to 40 MHz, 15 and 30 kHz
    EXPECT_EQ(choice.bandwidthKhz(), 40000);
    EXPECT_EQ(choice.scsKhz(), 15);
}

TEST(CarrierChoice, StepsStopAtEitherEndAndATypedChannelIsCheckedByTheEngine) {
    CarrierChoice choice;
    choice.chooseBand(bandNamed("LTE", "Band 3"));
    choice.chooseBandwidth(20000);
    ASSERT_TRUE(choice.goToFirst());
    EXPECT_FALSE(choice.step(-1));
    EXPECT_TRUE(choice.step(+1));
    EXPECT_EQ(choice.index(), 1u);
    ASSERT_TRUE(choice.goToLast());
    EXPECT_FALSE(choice.step(+1));
    // An uplink number shows its downlink carrier.
    EXPECT_EQ(choice.enterChannel("19300"), std::nullopt);
    EXPECT_EQ(shown(choice), 1300);
    const auto refused = choice.enterChannel("1200");
    ASSERT_TRUE(refused);
    EXPECT_EQ(*refused, carrierAt(choice.band(), 1200, *choice.shape()).problem);
    EXPECT_EQ(shown(choice), 1300);
}

TEST(CarrierChoice, AJumpTakesTheNarrowestCarrierValidAtTheChannel) {
    CarrierChoice choice;
    const BandRef n78 = bandNamed("NR", "n78");
    choice.showChannel(n78, 636666);
    const auto narrowest = narrowestShapeAt(n78, 636666);
    ASSERT_TRUE(narrowest);
    EXPECT_EQ(choice.bandwidthKhz(), narrowest->bandwidthKhz);
    EXPECT_EQ(choice.scsKhz(), narrowest->scsKhz);
    EXPECT_EQ(shown(choice), 636666);
}

}  // namespace
}  // namespace tarnvale

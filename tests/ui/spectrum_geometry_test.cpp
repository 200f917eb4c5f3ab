#include "spectrum_geometry.h"

#include <gtest/gtest.h>

namespace tarnvale {
namespace {

constexpr Scale kFullScale{240, 6855};
constexpr Scale kZoomedScale{600, 6015};
constexpr double kStated = 0.005;  // the worked example gives two decimals

TEST(SpectrumGeometry, Cell800BandWindowOnTheFullScale) {
    const auto mark = placeBandWindow(kFullScale, 824.04, 893.97);
    EXPECT_NEAR(mark.startConnectorX, 2807.63, kStated);
    EXPECT_NEAR(mark.stopConnectorX, 3025.53, kStated);
    EXPECT_NEAR(mark.markLeft, 2822.63, kStated);
    EXPECT_NEAR(mark.markWidth, 217.90, kStated);
    // The mark is exactly as wide as the span between the connectors, one pixel to the right.
    EXPECT_FLOAT_EQ(mark.markLeft + mark.markWidth, mark.stopConnectorX + 15);
}

TEST(SpectrumGeometry, Cell800Channel1OnTheZoomedScale) {
    const auto marks = placeCarriers(kZoomedScale, 824.04, 893.97, 870.03, 825.03, 555);
    EXPECT_NEAR(marks.forwardX, 4555.81, kStated);
    EXPECT_NEAR(marks.reverseX, 685.15, kStated);
    EXPECT_NEAR(marks.duplexX1, 4540.81, kStated);
    EXPECT_NEAR(marks.duplexX2, 685.15, kStated);
    EXPECT_NEAR(marks.gapLabelLeft, 2335.48, kStated);
}

TEST(SpectrumGeometry, BandINearTheTopOfTheFullScale) {
    const auto mark = placeBandWindow(kFullScale, 1922.4, 2167.6);
    EXPECT_NEAR(mark.stopConnectorX, 6994.0, 0.05);
    EXPECT_LT(mark.stopConnectorX, kFullScale.left + kFullScale.width);
}

TEST(SpectrumGeometry, WindowEndsMapToTheZoomedScaleEnds) {
    const auto marks = placeCarriers(kZoomedScale, 411.675, 493.48, 493.48, 411.675, 300);
    EXPECT_FLOAT_EQ(marks.forwardX, 6615);
    EXPECT_FLOAT_EQ(marks.reverseX, 600);
}

TEST(SpectrumGeometry, ReverseAboveForwardPutsTheMarkerOutsideThePair) {
    const auto marks = placeCarriers(kZoomedScale, 832.0125, 924.9875, 860.0125, 915.0125, 400);
    EXPECT_LT(marks.forwardX, marks.reverseX);
    EXPECT_FLOAT_EQ(marks.duplexX1, marks.forwardX - 15);
    EXPECT_FLOAT_EQ(marks.duplexX2, marks.reverseX);
    EXPECT_FLOAT_EQ(marks.gapLabelLeft, (marks.duplexX1 + marks.duplexX2) / 2 - 200);
}

TEST(SpectrumGeometry, PositionsAreHeldInSinglePrecision) {
    const auto marks = placeCarriers(kZoomedScale, 824.04, 893.97, 870.03, 825.03, 555);
    const double exact = (870.03 - 824.04) * (6015 / (893.97 - 824.04)) + 600;
    EXPECT_EQ(marks.forwardX, static_cast<float>(exact));
    EXPECT_NE(static_cast<double>(marks.forwardX), exact);
}

}  // namespace
}  // namespace tarnvale

#include "ui/spectrum/spectrum_geometry.h"

#include <gtest/gtest.h>

#include "spectrum_worked_example.h"

namespace tarnvale {
namespace {

namespace example = testing::worked_example;

constexpr Scale kFullScale{240, 6855};
constexpr Scale kZoomedScale{600, 6015};

TEST(SpectrumGeometry, WorkedExampleBandWindowOnTheFullScale) {
    const auto mark = placeBandWindow(kFullScale, example::kWindowStart, example::kWindowStop);
    EXPECT_NEAR(mark.startConnectorX, example::kStartConnectorX, example::kStated);
    EXPECT_NEAR(mark.stopConnectorX, example::kStopConnectorX, example::kStated);
    EXPECT_NEAR(mark.markLeft, example::kMarkLeft, example::kStated);
    EXPECT_NEAR(mark.markWidth, example::kMarkWidth, example::kStated);
    // The mark is exactly as wide as the span between the connectors, one pixel to the right.
    EXPECT_FLOAT_EQ(mark.markLeft + mark.markWidth, mark.stopConnectorX + 15);
}

TEST(SpectrumGeometry, WorkedExampleCarriersOnTheZoomedScale) {
    const auto marks = placeCarriers(kZoomedScale, example::kWindowStart, example::kWindowStop,
                                     example::kForward, example::kReverse, example::kGapLabelWidth);
    EXPECT_NEAR(marks.forwardX, example::kForwardX, example::kStated);
    EXPECT_NEAR(marks.reverseX, example::kReverseX, example::kStated);
    EXPECT_NEAR(marks.duplexX1, example::kDuplexX1, example::kStated);
    EXPECT_NEAR(marks.duplexX2, example::kReverseX, example::kStated);
    EXPECT_NEAR(marks.gapLabelLeft, example::kGapLabelLeft, example::kStated);
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
    const auto marks = placeCarriers(kZoomedScale, example::kWindowStart, example::kWindowStop,
                                     example::kForward, example::kReverse, example::kGapLabelWidth);
    const double exact = (example::kForward - example::kWindowStart) *
                             (6015 / (example::kWindowStop - example::kWindowStart)) +
                         600;
    EXPECT_EQ(marks.forwardX, static_cast<float>(exact));
    EXPECT_NE(static_cast<double>(marks.forwardX), exact);
}

}  // namespace
}  // namespace tarnvale

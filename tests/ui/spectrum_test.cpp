#include <QGroupBox>

#include "main_window_fixture.h"
#include "spectrum_worked_example.h"

namespace tarnvale::testing {
namespace {

namespace example = worked_example;

class Spectrum : public MainWindowTest {
  protected:
    double x1(const char* line) const { return paintedLine(line)->x1(); }
    double x2(const char* line) const { return paintedLine(line)->x2(); }
    PaintedLabel* gapLabel() const { return paintedLabel("lblFDD"); }
    double markerMiddle() const { return (x1("lineFDD") + x2("lineFDD")) / 2; }
};

TEST_F(Spectrum, Cell800Channel1MatchesTheWorkedExample) {
    scrollBar()->setValue(example::kListPosition);
    ASSERT_EQ(state("CurChannel"), example::kChannel);
    EXPECT_NEAR(x1("lineFwd2"), example::kForwardX, example::kStated);
    EXPECT_EQ(x2("lineFwd2"), x1("lineFwd2"));
    EXPECT_NEAR(x1("lineRev2"), example::kReverseX, example::kStated);
    EXPECT_EQ(x2("lineRev2"), x1("lineRev2"));
    EXPECT_NEAR(x1("lineFDD"), example::kDuplexX1, example::kStated);
    EXPECT_NEAR(x2("lineFDD"), example::kReverseX, example::kStated);
    EXPECT_FLOAT_EQ(gapLabel()->left(), markerMiddle() - gapLabel()->width() / 2);
    EXPECT_NEAR(x1("lineFStart"), example::kStartConnectorX, example::kStated);
    EXPECT_NEAR(x1("lineFStop"), example::kStopConnectorX, example::kStated);
    EXPECT_NEAR(paintedShape("shpSubBand")->left(), example::kMarkLeft, example::kStated);
    EXPECT_NEAR(paintedShape("shpSubBand")->width(), example::kMarkWidth, example::kStated);
}

// Whether the colour is painted within a pixel of the point given in twips.
bool paintedNear(const QImage& image, double xTwips, double yTwips, const QColor& colour) {
    const int x = qRound(xTwips / 15);
    const int y = qRound(yTwips / 15);
    for (int dx = -1; dx <= 1; ++dx) {
        if (image.pixelColor(x + dx, y) == colour) {
            return true;
        }
    }
    return false;
}

// A carrier at the band window's edge (Cell 800's first channel, 991: 824.04 MHz up) keeps its
// line two pixels inside the zoomed scale's frame, where it can be seen.
TEST_F(Spectrum, EdgeCarriersStayInsideTheFrame) {
    auto* scale = paintedShape("shpFreqScale2");
    for (const int position : {0, scrollBar()->maximum()}) {
        scrollBar()->setValue(position);
        for (const char* line : {"lineFwd2", "lineRev2"}) {
            EXPECT_GE(x1(line), scale->left() + 30) << line << " at " << position;
            EXPECT_LE(x1(line), scale->left() + scale->width() - 30) << line << " at " << position;
        }
    }
}

TEST_F(Spectrum, PaintsTheMarkOverTheFullScaleAndTheCarriersOverTheZoomedOne) {
    scrollBar()->setValue(example::kListPosition);
    const QImage image = find<QWidget>("Frame1")->grab().toImage();
    EXPECT_TRUE(paintedNear(image, x1("lineFwd2"), 1180, QColor(0, 255, 0)));
    EXPECT_TRUE(paintedNear(image, x1("lineRev2"), 1180, QColor(0, 0, 255)));
    EXPECT_TRUE(paintedNear(image, 2900, 480, QColor(128, 128, 128)));
    EXPECT_TRUE(paintedNear(image, 1000, 480, Qt::black));
    EXPECT_TRUE(paintedNear(image, 1500, 1180, QColor(128, 128, 128)));
}

TEST_F(Spectrum, NothingMovesVertically) {
    chooseBand(0, 7);
    scrollBar()->setValue(500);
    EXPECT_EQ(paintedLine("lineFwd2")->y1(), 960);
    EXPECT_EQ(paintedLine("lineFwd2")->y2(), 1200);
    EXPECT_EQ(paintedLine("lineFDD")->y1(), 1080);
    EXPECT_EQ(paintedLine("lineFStart")->y1(), 615);
    EXPECT_EQ(paintedLine("lineFStart")->x2(), 600);
    EXPECT_EQ(paintedLine("lineFStop")->x2(), 6600);
    EXPECT_EQ(paintedShape("shpSubBand")->top(), 370);
}

TEST_F(Spectrum, ChannelChangesMoveCarriersButNotTheBandMark) {
    const double markLeft = paintedShape("shpSubBand")->left();
    const double connector = x1("lineFStop");
    const double forward = x1("lineFwd2");
    scrollBar()->setValue(400);
    EXPECT_NE(x1("lineFwd2"), forward);
    EXPECT_EQ(paintedShape("shpSubBand")->left(), markLeft);
    EXPECT_EQ(x1("lineFStop"), connector);
}

TEST_F(Spectrum, TacsForwardLineIsLeftAndTheMarkerReachesPastIt) {
    chooseBand(0, 3);
    EXPECT_EQ(gapLabel()->caption(), " -55 MHz ");
    EXPECT_LT(x1("lineFwd2"), x1("lineRev2"));
    EXPECT_FLOAT_EQ(x1("lineFDD"), x1("lineFwd2") - 15);
    EXPECT_EQ(x2("lineFDD"), x1("lineRev2"));
    EXPECT_FLOAT_EQ(gapLabel()->left(), markerMiddle() - gapLabel()->width() / 2);
}

TEST_F(Spectrum, Nmt450GapLabelIsSmallerAndLower) {
    const double wideWidth = gapLabel()->width();
    chooseBand(0, 7);
    EXPECT_EQ(gapLabel()->caption(), " 10 MHz ");
    EXPECT_EQ(gapLabel()->fontSize(), 6);
    EXPECT_EQ(gapLabel()->top(), 960 + 60);
    EXPECT_LT(gapLabel()->width(), wideWidth);
    // This display centred the label with its width in the previous, larger font.
    EXPECT_GT(markerMiddle() - gapLabel()->left(), gapLabel()->width() / 2 + 1);
    scrollBar()->setValue(1);
    EXPECT_FLOAT_EQ(gapLabel()->left(), markerMiddle() - gapLabel()->width() / 2);

    click(band(6));
    EXPECT_EQ(gapLabel()->fontSize(), 8);
    EXPECT_EQ(gapLabel()->top(), 960 + 30);
}

TEST_F(Spectrum, ItemsAreChildrenOfTheSpectrumFrame) {
    auto* frame = find<QGroupBox>("Frame1");
    EXPECT_EQ(frame->title(), "Spectrum");
    for (const char* name : {"shpSubBand", "lblFDD", "lineFDD", "lineRev2", "lineFwd2",
                             "shpFreqScale1", "lblFStart", "lblFStop", "lblSpec1", "shpFreqScale2",
                             "lblBandStart", "lblBandStop", "lineFStart", "lineFStop"}) {
        auto* item = frame->findChild<QObject*>(name, Qt::FindDirectChildrenOnly);
        EXPECT_NE(item, nullptr) << name;
    }
    EXPECT_EQ(paintedLabel("lblFStop")->caption(), "2200");
    EXPECT_EQ(paintedLabel("lblSpec1")->caption(), "Frequency (MHz)");
    EXPECT_EQ(frame->property("width").toInt(), 489);
}

}  // namespace
}  // namespace tarnvale::testing

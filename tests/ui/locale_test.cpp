#include <QLocale>

#include "main_window_fixture.h"

namespace tarnvale::testing {
namespace {

// The window writes its numbers with the locale's decimal separator and reads its band window
// back with the same locale.
class CommaLocale : public MainWindowTest {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        MainWindowTest::SetUp();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
};

TEST_F(CommaLocale, WritesAndReadsBackWithAComma) {
    EXPECT_EQ(text("lblFwdFreq"), "869,0400");
    EXPECT_EQ(text("lblRevFreq"), "824,0400");
    EXPECT_EQ(paintedLabel("lblBandStart")->caption(), "824,04");
    EXPECT_EQ(paintedLabel("lblBandStop")->caption(), "893,97");
    scrollBar()->setValue(33);
    EXPECT_NEAR(paintedLine("lineFwd2")->x1(), 4555.81, 0.005);
    EXPECT_NEAR(paintedShape("shpSubBand")->left(), 2822.63, 0.005);
}

TEST_F(CommaLocale, TacsSpacingAndWindow) {
    chooseBand(0, 3);
    EXPECT_EQ(text("lblChSpc"), "Channel spacing: 12,5 KHz");
    EXPECT_EQ(paintedLabel("lblBandStop")->caption(), "924,9875");
    EXPECT_EQ(text("lblFwdFreq"), "832,0125");
}

}  // namespace
}  // namespace tarnvale::testing

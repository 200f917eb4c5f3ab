#include <QLocale>

#include "main_window_fixture.h"
#include "spectrum_worked_example.h"
#include "ui/toolkit/locale_numbers.h"

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
    namespace example = worked_example;
    scrollBar()->setValue(example::kListPosition);
    EXPECT_NEAR(paintedLine("lineFwd2")->x1(), example::kForwardX, example::kStated);
    EXPECT_NEAR(paintedShape("shpSubBand")->left(), example::kMarkLeft, example::kStated);
}

TEST_F(CommaLocale, TacsSpacingAndWindow) {
    chooseBand(0, 3);
    EXPECT_EQ(text("lblChSpc"), "Channel spacing: 12,5 KHz");
    EXPECT_EQ(paintedLabel("lblBandStop")->caption(), "924,9875");
    EXPECT_EQ(text("lblFwdFreq"), "832,0125");
}

TEST(SpacingCaption, UnitsAndSeparator) {
    const LocaleNumbers comma(QLocale(QLocale::German, QLocale::Germany));
    const LocaleNumbers point(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(comma.channelSpacing(12.5), "Channel spacing: 12,5 KHz");
    EXPECT_EQ(point.channelSpacing(999), "Channel spacing: 999 KHz");
    EXPECT_EQ(point.channelSpacing(1000), "Channel spacing: 1 MHz");
    EXPECT_EQ(point.channelSpacing(1250), "Channel spacing: 1.25 MHz");
    EXPECT_EQ(point.channelSpacing(5000), "Channel spacing: 5 MHz");
    EXPECT_EQ(point.channelSpacing(0), "Channel spacing: variable");
}

}  // namespace
}  // namespace tarnvale::testing

#include <QTest>
#include <random>

#include "engine/channel_list.h"
#include "engine/conversion.h"
#include "engine/number_text.h"
#include "main_window_fixture.h"

namespace tarnvale::testing {
namespace {

// Thousands of random user actions from a fixed seed; after each one the window must show a
// consistent picture, and only invalid entries may warn.
class Soak : public MainWindowTest {
  protected:
    std::mt19937 random{20261207};

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    // Types a number and Enter; returns whether the window should warn.
    bool typeChannel() {
        const int number = pick(0, 4) == 0 ? pick(0, 99999) : pick(0, 10000);
        QTest::keyClicks(channelBox(), QString::number(number));
        QTest::keyClick(channelBox(), Qt::Key_Return);
        const auto channel = parseChannel(std::to_string(number));
        return !channel || !channelIndex(shownBand(), *channel);
    }

    bool act() {
        switch (pick(0, 9)) {
            case 0:
                click(format(pick(0, 4)));
                return false;
            case 1: {
                int b = pick(0, 9);
                while (!band(b)->isVisible()) {
                    b = pick(0, 9);
                }
                click(band(b));
                return false;
            }
            case 2:
                scrollBar()->setValue(pick(0, scrollBar()->maximum()));
                return false;
            case 3:
                scrollBar()->triggerAction(pick(0, 1) ? QAbstractSlider::SliderPageStepAdd
                                                      : QAbstractSlider::SliderSingleStepSub);
                return false;
            case 4:
            case 5:
                return typeChannel();
            case 6: {
                static const char commands[] = "+=-TtBbq x.";
                QTest::keyClick(channelBox(), commands[pick(0, sizeof commands - 2)]);
                return false;
            }
            case 7:
                channelBox()->selectAll();
                QTest::keyClick(channelBox(), Qt::Key_Backspace);
                QTest::keyClick(channelBox(), Qt::Key_Return);
                return false;
            default:
                QTest::keyClick(channelBox(), pick(0, 1) ? '+' : '-');
                return false;
        }
    }

    void expectConsistent(int step) {
        const auto shown = shownBand();
        const auto channel = static_cast<Channel>(state("CurChannel"));
        EXPECT_EQ(channelBox()->text().toStdString(), channelText(channel)) << step;
        const auto index = channelIndex(shown, channel);
        ASSERT_TRUE(index) << step;
        EXPECT_EQ(scrollBar()->value(), static_cast<int>(*index)) << step;
        EXPECT_EQ(scrollBar()->maximum() + 1, static_cast<int>(channelCount(shown))) << step;
        const auto c = convertChannel(*shown.plan<ClassicPlan>(), channel);
        EXPECT_EQ(text("lblFwdFreq").toStdString(), frequencyText(c.forward, ".")) << step;
        EXPECT_EQ(text("lblRevFreq").toStdString(), frequencyText(c.reverse, ".")) << step;
        const auto formatIndex = static_cast<int>(shown.format());
        for (int k = 0; k < 10; ++k) {
            EXPECT_EQ(band(k)->text().toStdString(), bandCaption(formatIndex, k)) << step;
        }
    }
};

TEST_F(Soak, ThousandsOfRandomActionsKeepTheWindowConsistent) {
    for (int step = 0; step < 3000; ++step) {
        const bool shouldWarn = act();
        EXPECT_EQ(takeWarnings().size(), shouldWarn ? 1u : 0u) << "step " << step;
        expectConsistent(step);
        if (::testing::Test::HasFailure()) {
            break;
        }
    }
}

}  // namespace
}  // namespace tarnvale::testing

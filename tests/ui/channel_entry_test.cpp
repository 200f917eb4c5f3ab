#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "main_window_fixture.h"

namespace tarnvale::testing {
namespace {

class ChannelEntry : public MainWindowTest {
  protected:
    void type(const QString& keys) { QTest::keyClicks(channelBox(), keys); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(channelBox(), k, mods); }
    void enter() { key(Qt::Key_Return); }

    // What the window shows for the channel, beyond the box.
    struct Shown {
        int channel;
        int position;
        QString forward;
        QString reverse;
        QString spacing;
        bool operator==(const Shown&) const = default;
    };
    Shown shown() const {
        return {state("CurChannel"), scrollBar()->value(), text("lblFwdFreq"), text("lblRevFreq"),
                text("lblChSpc")};
    }
    void expectWholeTextSelected(const QString& expected) {
        EXPECT_EQ(channelBox()->text(), expected);
        EXPECT_EQ(channelBox()->selectedText(), expected);
    }
    void expectInvalidChannelWarning() {
        const auto warnings = takeWarnings();
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_EQ(warnings[0].text, "Please enter valid channel");
        EXPECT_EQ(warnings[0].title, "Invalid Channel");
    }
};

TEST_F(ChannelEntry, StepKeysWalkTheListAndBeepAtEitherEnd) {
    type("-");
    EXPECT_EQ(alerts.beeps, 1);
    EXPECT_EQ(state("CurChannel"), 991);
    type("+");
    EXPECT_EQ(state("CurChannel"), 992);
    EXPECT_EQ(scrollBar()->value(), 1);
    type("=");
    EXPECT_EQ(state("CurChannel"), 993);
    type("T");
    EXPECT_EQ(state("CurChannel"), 799);
    EXPECT_EQ(scrollBar()->value(), 831);
    type("+");
    EXPECT_EQ(alerts.beeps, 2);
    EXPECT_EQ(state("CurChannel"), 799);
    type("B");
    EXPECT_EQ(state("CurChannel"), 991);
    type("t");
    EXPECT_EQ(state("CurChannel"), 799);
    type("b");
    EXPECT_EQ(state("CurChannel"), 991);
    expectWholeTextSelected("991");
    EXPECT_EQ(alerts.beeps, 2);
}

// Up and Down, and the mouse wheel over the box, step like + and -, with the same beep at
// either end.
TEST_F(ChannelEntry, ArrowKeysAndWheelStepThroughTheList) {
    const auto wheel = [this](int eighths) {
        QWheelEvent event(QPointF(5, 5), channelBox()->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, eighths), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(channelBox(), &event);
    };
    QTest::keyClick(channelBox(), Qt::Key_Down);
    EXPECT_EQ(alerts.beeps, 1);
    QTest::keyClick(channelBox(), Qt::Key_Up);
    QTest::keyClick(channelBox(), Qt::Key_Up);
    EXPECT_EQ(state("CurChannel"), 993);
    wheel(120);
    EXPECT_EQ(state("CurChannel"), 994);
    wheel(-60);  // half a notch does nothing yet
    EXPECT_EQ(state("CurChannel"), 994);
    wheel(-60);
    EXPECT_EQ(state("CurChannel"), 993);
    QTest::keyClick(channelBox(), 'T');
    wheel(120);
    EXPECT_EQ(alerts.beeps, 2);
    EXPECT_EQ(state("CurChannel"), 799);
    expectWholeTextSelected("799");
}

TEST_F(ChannelEntry, StepsFollowListOrderNotNumericOrder) {
    chooseBand(0, 7);  // NMT450: 539..871, then 1..300
    scrollBar()->setValue(332);
    ASSERT_EQ(state("CurChannel"), 871);
    type("+");
    EXPECT_EQ(state("CurChannel"), 1);
    EXPECT_EQ(text("lblFwdFreq"), "460.0000");
}

TEST_F(ChannelEntry, TypedChannelIsCalculatedWithoutLeadingZeros) {
    scrollBar()->setValue(5);
    type("0991");
    enter();
    EXPECT_EQ(state("CurChannel"), 991);
    EXPECT_EQ(scrollBar()->value(), 0);
    EXPECT_EQ(text("lblFwdFreq"), "869.0400");
    expectWholeTextSelected("991");
}

TEST_F(ChannelEntry, KeypadEnterCountsAsEnter) {
    type("1");
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(state("CurChannel"), 1);
}

TEST_F(ChannelEntry, TypedChannelMovesTheBarOnceWithoutRecursing) {
    QSignalSpy moves(scrollBar(), &QScrollBar::valueChanged);
    type("1");
    enter();
    EXPECT_EQ(moves.count(), 1);
    EXPECT_EQ(scrollBar()->value(), 33);
    EXPECT_EQ(state("PrevChannel"), 1);
    type("+");
    EXPECT_EQ(state("CurChannel"), 2);
}

TEST_F(ChannelEntry, ChannelNotInTheBandWarnsAndRestores) {
    scrollBar()->setValue(3);
    const auto before = shown();
    type("800");
    enter();
    expectInvalidChannelWarning();
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(state("PrevChannel"), 994);
    expectWholeTextSelected("994");
}

TEST_F(ChannelEntry, DownlinkNumberOfAWcdmaBandIsNoUplinkChannel) {
    click(format(2));
    const auto before = shown();
    type("10562");
    enter();
    expectInvalidChannelWarning();
    EXPECT_EQ(shown(), before);
    expectWholeTextSelected("9612");
}

TEST_F(ChannelEntry, NumbersBeyondSixteenBitsWarnInsteadOfFailing) {
    for (const char* typed : {"32768", "99999", "40000"}) {
        const auto before = shown();
        type(typed);
        enter();
        expectInvalidChannelWarning();
        EXPECT_EQ(shown(), before) << typed;
        expectWholeTextSelected("991");
    }
}

TEST_F(ChannelEntry, PastedTextThatIsNoNumberWarnsAndRestores) {
    const QString pasted[] = {"abc", "-5", " 12", "1.5", "+991", "991 ", QString(300, '7'), "٩٩١"};
    for (const auto& text : pasted) {
        QApplication::clipboard()->setText(text);
        channelBox()->selectAll();
        channelBox()->paste();  // what the box's context menu does
        ASSERT_EQ(channelBox()->text(), text);
        const auto before = shown();
        enter();
        expectInvalidChannelWarning();
        EXPECT_EQ(shown(), before) << text.toStdString();
        expectWholeTextSelected("991");
    }
}

TEST_F(ChannelEntry, EmptyBoxRestoresTheChannelWithoutMessage) {
    key(Qt::Key_Backspace);
    EXPECT_EQ(channelBox()->text(), "");
    enter();
    expectWholeTextSelected("991");
    EXPECT_TRUE(alerts.warnings.empty());
}

TEST_F(ChannelEntry, FiveCharactersStopASixthEvenWhenSelected) {
    type("12345");
    EXPECT_EQ(channelBox()->text(), "12345");
    type("6");
    EXPECT_EQ(channelBox()->text(), "12345");
    channelBox()->selectAll();
    type("7");
    EXPECT_EQ(channelBox()->text(), "12345");
    key(Qt::Key_Backspace);
    EXPECT_EQ(channelBox()->text(), "");
    type("98");
    EXPECT_EQ(channelBox()->text(), "98");
}

TEST_F(ChannelEntry, OnlyDigitsAndCommandKeysReachTheBox) {
    key(Qt::Key_Backspace);
    type("a.x ,Z!1");
    EXPECT_EQ(channelBox()->text(), "1");
    QApplication::clipboard()->setText("555");
    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_Escape);
    EXPECT_EQ(channelBox()->text(), "1");
    EXPECT_EQ(state("CurChannel"), 991);
}

TEST_F(ChannelEntry, ClickSelectsTheWholeText) {
    channelBox()->setSelection(1, 1);
    QTest::mouseClick(channelBox(), Qt::LeftButton, {}, QPoint(5, 5));
    expectWholeTextSelected("991");
}

TEST_F(ChannelEntry, EnterAndEscapeDoNotPressExit) {
    QSignalSpy ended(window.get(), &MainWindow::programEnded);
    type("2");
    enter();
    key(Qt::Key_Escape);
    EXPECT_EQ(ended.count(), 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(state("CurChannel"), 2);
}

}  // namespace
}  // namespace tarnvale::testing

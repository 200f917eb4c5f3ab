#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "engine/format.h"
#include "main_window_fixture.h"

namespace tarnvale::testing {
namespace {

using MainWindowStartUp = MainWindowTest;

TEST_F(MainWindowStartUp, OpensOnCdmaCell800FirstChannel) {
    EXPECT_EQ(window->windowTitle(), "Tarnvale  v2.20");
    EXPECT_TRUE(format(0)->isChecked());
    EXPECT_TRUE(band(0)->isChecked());
    EXPECT_EQ(stateText("RadioFormat"), "CDMA");
    EXPECT_EQ(stateText("BandName"), "Cell 800");
    EXPECT_EQ(stateText("Ver"), "2.20");
    EXPECT_EQ(stateText("Ver_Date"), "July 2004");
    EXPECT_EQ(state("CurChannel"), 991);
    EXPECT_EQ(state("PrevChannel"), 991);
    EXPECT_EQ(state("DLChannel"), 0);
    EXPECT_EQ(channelBox()->text(), "991");
    EXPECT_EQ(text("lblFwdFreq"), "869.0400");
    EXPECT_EQ(text("lblRevFreq"), "824.0400");
    EXPECT_EQ(text("lblChSpc"), "Channel spacing: 30 KHz");
    EXPECT_EQ(find<QGroupBox>("frmChannel")->title(), "Channel (valid chan: 1-799, 991-1023)");
    EXPECT_EQ(paintedLabel("lblBandStart")->caption(), "824.04");
    EXPECT_EQ(paintedLabel("lblBandStop")->caption(), "893.97");
    EXPECT_EQ(paintedLabel("lblFDD")->caption(), " 45 MHz ");
    EXPECT_EQ(scrollBar()->minimum(), 0);
    EXPECT_EQ(scrollBar()->maximum(), 831);
    EXPECT_EQ(scrollBar()->value(), 0);
}

TEST_F(MainWindowStartUp, FocusIsInTheChannelBoxWithItsTextSelected) {
    EXPECT_TRUE(channelBox()->hasFocus());
    EXPECT_EQ(channelBox()->selectedText(), "991");
}

TEST_F(MainWindowStartUp, CarriesTheProgramIconOnceShown) {
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window->windowIcon().isNull(); }));
    EXPECT_FALSE(window->windowIcon().pixmap(32, 32).isNull());
}

TEST_F(MainWindowStartUp, DownlinkFieldsHiddenOutsideWcdma) {
    EXPECT_FALSE(find<QLabel>("lblUL")->isVisible());
    EXPECT_FALSE(find<QLabel>("lblDL")->isVisible());
    EXPECT_FALSE(find<QLineEdit>("txtDLChan")->isVisible());
    EXPECT_EQ(find<QLineEdit>("txtDLChan")->text(), "0");
}

TEST_F(MainWindowStartUp, HasTheLaidOutMenusAndFixedClientArea) {
    EXPECT_EQ(find<QMenu>("mnuMain_0")->title(), "File");
    EXPECT_EQ(find<QMenu>("mnuMain_1")->title(), "Help");
    EXPECT_EQ(find<QAction>("mnuExit")->text(), "Exit");
    EXPECT_EQ(find<QAction>("mnuKbdShortcuts")->text(), "Keyboard Shortcuts");
    EXPECT_EQ(find<QAction>("mnuAbout")->text(), "About");
    EXPECT_EQ(window->centralWidget()->size(), QSize(537, 437));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(find<QPushButton>("cmdExit")->isDefault());
    EXPECT_FALSE(find<QPushButton>("cmdExit")->autoDefault());
}

using FormatChoice = MainWindowTest;

TEST_F(FormatChoice, ShowsExactlyTheFormatsBandsWithNoStaleCaption) {
    // From the format with most bands to those with fewer and back.
    for (const int f : {1, 3, 4, 2, 0, 1, 4}) {
        click(format(f));
        EXPECT_EQ(stateText("RadioFormat").toStdString(),
                  formatName(kFormats[static_cast<std::size_t>(f)]));
        for (int k = 0; k < 10; ++k) {
            const auto caption = bandCaption(f, k);
            EXPECT_EQ(band(k)->text().toStdString(), caption) << f << " " << k;
            EXPECT_EQ(band(k)->isVisible(), !caption.empty()) << f << " " << k;
        }
        EXPECT_TRUE(band(0)->isChecked());
        EXPECT_EQ(stateText("BandName").toStdString(), bandCaption(f, 0));
    }
}

TEST_F(FormatChoice, ResetsToTheFirstBandLikeAFreshChoice) {
    chooseBand(1, 5);  // GSM, R-GSM 900
    scrollBar()->setValue(40);
    click(format(3));
    EXPECT_TRUE(band(0)->isChecked());
    EXPECT_EQ(stateText("BandName"), "Cell 800");
    EXPECT_EQ(state("CurChannel"), 991);
    EXPECT_EQ(scrollBar()->value(), 0);
    EXPECT_EQ(text("lblFwdFreq"), "869.0400");
}

using BandChoice = MainWindowTest;

TEST_F(BandChoice, ResetsListWindowScrollRangeAndChannel) {
    click(format(1));
    scrollBar()->setValue(7);
    click(band(3));
    EXPECT_EQ(stateText("BandName"), "GSM 850");
    EXPECT_EQ(state("CurChannel"), 128);
    EXPECT_EQ(channelBox()->text(), "128");
    EXPECT_EQ(scrollBar()->maximum(), 123);
    EXPECT_EQ(scrollBar()->value(), 0);
    EXPECT_EQ(paintedLabel("lblBandStart")->caption(), "824.2");
    EXPECT_EQ(paintedLabel("lblBandStop")->caption(), "893.8");
    EXPECT_EQ(find<QGroupBox>("frmChannel")->title(), "Channel (valid chan: 128-251)");
    EXPECT_EQ(text("lblFwdFreq"), "869.2000");
    EXPECT_EQ(text("lblChSpc"), "Channel spacing: 200 KHz");
}

TEST_F(BandChoice, WindowLabelsUseTheShortestNumberText) {
    chooseBand(1, 8);  // GSM 480
    EXPECT_EQ(paintedLabel("lblBandStart")->caption(), "479");
    chooseBand(0, 3);  // TACS (Japan)
    EXPECT_EQ(paintedLabel("lblBandStop")->caption(), "924.9875");
    EXPECT_EQ(state("CurChannel"), 1041);
}

TEST_F(BandChoice, ClickingTheSelectedBandAgainShowsItsFirstChannel) {
    scrollBar()->setValue(33);
    click(band(0));
    EXPECT_EQ(state("CurChannel"), 991);
    EXPECT_EQ(scrollBar()->value(), 0);
}

TEST_F(BandChoice, NoValidChannelCaptionIsClipped) {
    auto* frame = find<QGroupBox>("frmChannel");
    for (int f = 0; f < 5; ++f) {
        click(format(f));
        for (int b = 0; b < 10 && band(b)->isVisible(); ++b) {
            click(band(b));
            const double room = frame->width() - 2 * frame->fontMetrics().horizontalAdvance(' ');
            EXPECT_LE(frame->fontMetrics().horizontalAdvance(frame->title()), room)
                << frame->title().toStdString();
            EXPECT_GE(frame->font().pointSizeF(), 6);
        }
    }
}

using ScrollBar = MainWindowTest;

TEST_F(ScrollBar, PositionOneShowsTheSecondChannel) {
    scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(scrollBar()->value(), 1);
    EXPECT_EQ(state("CurChannel"), 992);
    EXPECT_EQ(channelBox()->text(), "992");
    EXPECT_EQ(text("lblFwdFreq"), "869.0700");
    EXPECT_EQ(state("PrevChannel"), 992);
}

TEST_F(ScrollBar, RightEndShowsTheLastChannelAndStaysInRange) {
    chooseBand(0, 7);  // NMT450, the list is out of frequency order
    scrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(scrollBar()->value(), 1292);
    EXPECT_EQ(state("CurChannel"), 2016);
    EXPECT_EQ(text("lblFwdFreq"), "493.4800");
    scrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(scrollBar()->value(), 1292);
    scrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(scrollBar()->value(), 1287);
    EXPECT_EQ(state("CurChannel"), 2011);
}

TEST_F(ScrollBar, ArrowKeysOnTheFocusedBarWalkTheList) {
    scrollBar()->setFocus();
    QTest::keyClick(scrollBar(), Qt::Key_Right);
    EXPECT_EQ(state("CurChannel"), 992);
    QTest::keyClick(scrollBar(), Qt::Key_Right);
    QTest::keyClick(scrollBar(), Qt::Key_Left);
    EXPECT_EQ(scrollBar()->value(), 1);
    QTest::keyClick(scrollBar(), Qt::Key_Left);
    QTest::keyClick(scrollBar(), Qt::Key_Left);
    EXPECT_EQ(scrollBar()->value(), 0);
}

TEST_F(ScrollBar, OneMoveRecalculatesWithoutRecursing) {
    QSignalSpy moves(scrollBar(), &QScrollBar::valueChanged);
    scrollBar()->setValue(33);
    EXPECT_EQ(moves.count(), 1);
    EXPECT_EQ(state("CurChannel"), 1);
    EXPECT_EQ(text("lblFwdFreq"), "870.0300");
}

using Wcdma = MainWindowTest;

TEST_F(Wcdma, ShowsTheDownlinkChannelBesideTheUplink) {
    click(format(2));
    EXPECT_EQ(state("CurChannel"), 9612);
    EXPECT_EQ(state("DLChannel"), 10562);
    EXPECT_TRUE(find<QLabel>("lblUL")->isVisible());
    EXPECT_TRUE(find<QLabel>("lblDL")->isVisible());
    EXPECT_TRUE(find<QLineEdit>("txtDLChan")->isVisible());
    EXPECT_FALSE(find<QLineEdit>("txtDLChan")->isEnabled());
    EXPECT_EQ(find<QLineEdit>("txtDLChan")->text(), "10562");
    EXPECT_EQ(text("lblFwdFreq"), "2112.4000");
    EXPECT_EQ(text("lblRevFreq"), "1922.4000");
}

TEST_F(Wcdma, BandIVPairsByTheLimitAndVSpacingIsVariable) {
    chooseBand(2, 3);
    scrollBar()->setValue(8);
    EXPECT_EQ(find<QLineEdit>("txtDLChan")->text(), "1662");
    scrollBar()->setValue(9);
    EXPECT_EQ(find<QLineEdit>("txtDLChan")->text(), "10562");
    click(band(4));
    EXPECT_EQ(text("lblChSpc"), "Channel spacing: variable");
    chooseBand(2, 1);
    EXPECT_EQ(text("lblChSpc"), "Channel spacing: 5 MHz");
}

TEST_F(Wcdma, LeavingWcdmaHidesTheFieldsAndKeepsTheLastDownlink) {
    chooseBand(2, 2);  // Band III, 8562 pairs with 9037
    click(format(1));
    EXPECT_FALSE(find<QLineEdit>("txtDLChan")->isVisible());
    EXPECT_EQ(state("DLChannel"), 9037);
    EXPECT_EQ(find<QLineEdit>("txtDLChan")->text(), "9037");
}

using Exit = MainWindowTest;

TEST_F(Exit, ExitButtonEndsTheProgram) {
    QSignalSpy ended(window.get(), &MainWindow::programEnded);
    QTest::mouseClick(find<QPushButton>("cmdExit"), Qt::LeftButton);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Exit, FileExitEndsTheProgram) {
    QSignalSpy ended(window.get(), &MainWindow::programEnded);
    find<QAction>("mnuExit")->trigger();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(window->isVisible());
}

using Accessibility = MainWindowTest;

TEST_F(Accessibility, ControlsAreExposedWithTheirCaptions) {
    const auto name = [](QObject* o) {
        return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(format(2)), "WCDMA");
    EXPECT_EQ(name(band(3)), "TACS (Japan)");
    EXPECT_EQ(name(find<QPushButton>("cmdExit")), "Exit");
    EXPECT_EQ(name(find<QLabel>("lblFwdFreq")), "869.0400");
    EXPECT_EQ(name(channelBox()), "Channel");
    EXPECT_EQ(name(find<QGroupBox>("frmFreq")), "Frequencies (MHz)");
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(find<QLabel>("lblFwdFreq"))
                     ->text(QAccessible::Description)
                     .isEmpty());
    EXPECT_EQ(name(find<QWidget>("Frame1")), "Spectrum");
}

TEST_F(Accessibility, TabWalksTheLaidOutOrderAndSkipsTheDownlinkBox) {
    click(format(2));  // the downlink box is shown but disabled
    QStringList visited;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, (QStringList{"optFormat_2", "cmdExit", "optBand_0", "sbFreq", "txtChan",
                                    "optFormat_2"}));
}

TEST_F(Accessibility, SpectrumSaysThePictureInWords) {
    auto* spectrum = find<QWidget>("Frame1");
    EXPECT_EQ(spectrum->accessibleDescription(),
              "Band window 824.04 to 893.97 MHz; forward carrier 869.0400 MHz; reverse carrier "
              "824.0400 MHz");
    chooseBand(0, 3);
    EXPECT_TRUE(spectrum->accessibleDescription().startsWith("Band window 832.0125 to 924.9875"));
}

}  // namespace
}  // namespace tarnvale::testing

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QImage>
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
    // The sizes drawn for a title bar and a task bar, pixel for pixel as their PNG files.
    for (const int size : {16, 32, 48}) {
        const QImage shown = window->windowIcon()
                                 .pixmap(size, size)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage drawn(QString(TARNVALE_SOURCE_DIR "/ui/resources/tarnvale-%1.png").arg(size));
        EXPECT_EQ(shown.size(), QSize(size, size));
        EXPECT_TRUE(shown == drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied)) << size;
    }
}

bool imagePluginOpened() {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

// Every image plugin Qt opens costs a session megabytes: the window, its icon and its frames
// open none. Each test runs in a process of its own; one that follows another may find a
// plugin that other test opened.
TEST_F(MainWindowStartUp, ShowsItselfAndItsIconWithoutAnImagePlugin) {
    if (imagePluginOpened()) {
        GTEST_SKIP() << "an earlier test in this process opened an image plugin";
    }
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window->windowIcon().isNull(); }));
    window->grab();
    EXPECT_FALSE(imagePluginOpened());
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

// A screen reader hears the picture, the duplex gap included, after every calculation.
TEST_F(Accessibility, SpectrumSaysThePictureInWords) {
    const auto said = [this] {
        return QAccessible::queryAccessibleInterface(find<QWidget>("Frame1"))
            ->text(QAccessible::Description);
    };
    EXPECT_EQ(said(),
              "Band window 824.04 to 893.97 MHz; forward carrier 869.0400 MHz; reverse carrier "
              "824.0400 MHz; duplex gap 45 MHz");
    chooseBand(0, 3);
    EXPECT_TRUE(said().startsWith("Band window 832.0125 to 924.9875")) << said().toStdString();
    EXPECT_TRUE(said().endsWith("; duplex gap -55 MHz")) << said().toStdString();
    QTest::keyClick(channelBox(), '+');
    EXPECT_TRUE(said().contains("forward carrier 832.0250 MHz")) << said().toStdString();
}

// Each group of options is one Tab stop, entered at its selected option, however it got
// selected.
TEST_F(Accessibility, TabEntersEachOptionGroupAtItsSelection) {
    const auto walk = [](Qt::Key key, int steps) {
        QStringList visited;
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            visited << QApplication::focusWidget()->objectName();
        }
        return visited;
    };
    EXPECT_EQ(walk(Qt::Key_Tab, 5),
              (QStringList{"optFormat_0", "cmdExit", "optBand_0", "sbFreq", "txtChan"}));
    EXPECT_EQ(walk(Qt::Key_Backtab, 5),
              (QStringList{"sbFreq", "optBand_0", "cmdExit", "optFormat_0", "txtChan"}));
    chooseBand(1, 4);  // GSM, PCS 1900: the user's own band
    click(format(3));  // IS-136 selects its band 0 by code
    channelBox()->setFocus();
    EXPECT_EQ(walk(Qt::Key_Tab, 3), (QStringList{"optFormat_3", "cmdExit", "optBand_0"}));
    // The arrow keys still move within a group, and the selection moves the Tab stop along.
    QTest::keyClick(band(0), Qt::Key_Down);
    EXPECT_TRUE(band(1)->isChecked());
    EXPECT_EQ(stateText("BandName"), "PCS 1900");
    channelBox()->setFocus();
    EXPECT_EQ(walk(Qt::Key_Backtab, 2), (QStringList{"sbFreq", "optBand_1"}));
}

// The frequencies can be selected with the mouse and copied, and both results frames offer
// the current channel as tarnvale-cli convert writes it.
TEST_F(Accessibility, ResultsCanBeCopied) {
    for (const char* name : {"lblFwdFreq", "lblRevFreq"}) {
        auto* label = find<QLabel>(name);
        EXPECT_TRUE(label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
        EXPECT_FALSE(label->focusPolicy() & Qt::TabFocus) << name;
    }
    auto* copy = find<QAction>("mnuCopyResults");
    EXPECT_EQ(copy->text(), "Copy Results");
    for (const char* frame : {"frmFreq", "frmChannel"}) {
        EXPECT_TRUE(find<QWidget>(frame)->actions().contains(copy)) << frame;
        EXPECT_EQ(find<QWidget>(frame)->contextMenuPolicy(), Qt::ActionsContextMenu);
    }
    chooseBand(2, 3);  // WCDMA, Band IV
    QTest::keyClick(channelBox(), 'T');
    copy->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(),
              "format,band,index,channel,forward_mhz,reverse_mhz,gap_mhz,spacing_khz,dl_channel,"
              "ul_channel,duplex\n"
              "WCDMA,Band IV,210,8763,2152.6000,1752.6000,400,200,10763,8763,FDD\n");
}

}  // namespace
}  // namespace tarnvale::testing

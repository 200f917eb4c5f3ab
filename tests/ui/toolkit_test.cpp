#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "ui/dialogs/window_placement.h"
#include "ui/toolkit/application_setup.h"
#include "ui/toolkit/focus_scroll_bar.h"
#include "ui/toolkit/qt_alerts.h"

namespace tarnvale {
namespace {

// No display name: X11 would append it to every window title.
TEST(ApplicationSetup, NamesTheProgramWithoutADisplayName) {
    setApplicationIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.tarnvale.tarnvale");
    EXPECT_EQ(QGuiApplication::applicationVersion(), "2.20");
    // applicationDisplayName() falls back to the application name where none was set.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
}

TEST(ApplicationSetup, StartupStyleHasNoOverflowIcon) {
    installStartupStyle();
    EXPECT_TRUE(
        QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).isNull());
    EXPECT_FALSE(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).isNull());
}

// The real warning box, closed by a timer as a user would close it.
TEST(Alerts, WarningIsAPlainBoxWideEnoughForItsTitle) {
    QtAlerts alerts;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int width = 0;
    QList<QAbstractButton*> buttons;
    bool buttonHasIcon = true;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        width = box->width();
        buttons = box->buttons();
        buttonHasIcon = !buttons.value(0)->icon().isNull();
        buttons.value(0)->click();
    });
    alerts.warn("Please enter valid channel", "Invalid Channel");
    EXPECT_EQ(title, "Invalid Channel");
    EXPECT_EQ(text, "Please enter valid channel");
    EXPECT_EQ(icon, QMessageBox::Warning);
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_FALSE(buttonHasIcon);
    EXPECT_GE(width, QtAlerts::titleRoom("Invalid Channel"));
}

TEST(FocusScrollBar, ShowsItHasTheFocus) {
    QWidget window;
    auto* other = new QPushButton("other", &window);
    other->setGeometry(0, 20, 80, 20);
    auto* bar = new FocusScrollBar(&window);
    bar->setGeometry(0, 0, 200, 17);
    bar->setRange(0, 10);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    const QImage without = bar->grab().toImage();
    bar->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(bar->hasFocus());
    EXPECT_NE(bar->grab().toImage(), without);
    EXPECT_TRUE(bar->focusPolicy() & Qt::TabFocus);
}

}  // namespace
}  // namespace tarnvale

namespace tarnvale::testing {
namespace {

// A dialog goes beside the main window on the side asked for where the screen has room, on the
// other where only that has room, and against the screen's edge where neither has.
TEST(WindowPlacement, BesideTheAnchorWhereTheScreenHasRoom) {
    QWidget anchor;
    anchor.setGeometry(300, 100, 200, 150);
    anchor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&anchor));
    const int right = anchor.frameGeometry().right() + 8;
    const int left = anchor.frameGeometry().left() - 8;
    // The dialog is not shown yet: it will have the anchor's frame.
    const int frame = anchor.frameGeometry().width() - anchor.geometry().width();
    const struct {
        int width;
        Side first;
        int expectedX;
    } rows[] = {
        {150, Side::Right, right},
        {150, Side::Left, left - 150 - frame},
    };
    for (const auto& row : rows) {
        QWidget dialog;
        dialog.resize(row.width, 100);
        placeBeside(&dialog, &anchor, row.first);
        EXPECT_EQ(dialog.pos().x(), row.expectedX) << row.width;
        EXPECT_EQ(dialog.pos().y(), anchor.frameGeometry().top()) << row.width;
    }
}

// With no room beside the anchor, a window goes where it covers the least of the others, whole
// on the screen; the anchor moves aside where the screen has room for both.
TEST(WindowPlacement, AmongOthersOnASmallScreen) {
    const QRect screen(0, 0, 1280, 720);
    const QRect main(373, 172, 537, 455);
    // Channel Lookup beside the centred main window: the main window moves left for it.
    const auto lookup = placeAmong(screen, {670, 440}, main, {}, Side::Right);
    ASSERT_TRUE(lookup.anchor);
    const QRect movedMain(*lookup.anchor, main.size());
    const QRect lookupRect(lookup.window, QSize(670, 440));
    EXPECT_TRUE(screen.contains(movedMain) && screen.contains(lookupRect));
    EXPECT_FALSE(movedMain.intersects(lookupRect));
    // The Carrier window then has no room: whole on the screen, covering less than all of
    // either.
    const QSize carrier(1000, 640);
    const auto third = placeAmong(screen, carrier, movedMain, {lookupRect}, Side::Left);
    const QRect carrierRect(third.window, carrier);
    EXPECT_TRUE(screen.contains(carrierRect));
    EXPECT_FALSE(third.anchor);
    EXPECT_FALSE(carrierRect.contains(movedMain) && carrierRect.contains(lookupRect));
    // A window too wide for either side goes where it covers nothing, if there is such a place.
    const QRect anchor(300, 100, 200, 150);
    const auto wide = placeAmong(screen, {1200, 100}, anchor, {}, Side::Right);
    EXPECT_FALSE(QRect(wide.window, QSize(1200, 100)).intersects(anchor));
    EXPECT_TRUE(screen.contains(QRect(wide.window, QSize(1200, 100))));
}

}  // namespace
}  // namespace tarnvale::testing

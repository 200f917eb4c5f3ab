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
    const QRect screen = anchor.screen()->availableGeometry();
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
        {screen.width() - 100, Side::Right, screen.right() - (screen.width() - 100 + frame)},
    };
    for (const auto& row : rows) {
        QWidget dialog;
        dialog.resize(row.width, 100);
        placeBeside(&dialog, &anchor, row.first);
        EXPECT_EQ(dialog.pos().x(), row.expectedX) << row.width;
        EXPECT_EQ(dialog.pos().y(), anchor.frameGeometry().top()) << row.width;
    }
}

}  // namespace
}  // namespace tarnvale::testing

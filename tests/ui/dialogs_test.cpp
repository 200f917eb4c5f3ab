#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "main_window_fixture.h"
#include "ui/dialogs/shortcut_list_label.h"
#include "ui/toolkit/twips.h"

namespace tarnvale::testing {
namespace {

const QString kShortcutText =
    "+ (or =)     increment channel  -               decrement channel  B              bottom "
    "channel      T              top channel";

class Dialogs : public MainWindowTest {
  protected:
    std::vector<QWidget*> openWindows(const QString& name) const {
        std::vector<QWidget*> found;
        for (auto* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == name && w->isVisible()) {
                found.push_back(w);
            }
        }
        return found;
    }
    QWidget* openAbout() {
        find<QAction>("mnuAbout")->trigger();
        const auto open = openWindows("frmAbout");
        return open.size() == 1 ? open[0] : nullptr;
    }
    QWidget* openShortcuts() {
        find<QAction>("mnuKbdShortcuts")->trigger();
        const auto open = openWindows("frmKbdShortcuts");
        return open.size() == 1 ? open[0] : nullptr;
    }
    static bool closedAndUnloaded(QPointer<QWidget>& dialog) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull();
    }
    static QString labelText(QWidget* dialog, const char* name) {
        return dialog->findChild<QLabel*>(name)->text();
    }
};

TEST_F(Dialogs, AboutShowsVersionCreditsAndDate) {
    QWidget* about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About Tarnvale");
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(labelText(about, "lblTitle"), "Tarnvale");
    EXPECT_EQ(labelText(about, "lblVersion"), "Version 2.20");
    const auto lines = labelText(about, "lblDescription").split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].contains("Tarnvale developers"));
    EXPECT_EQ(lines[2], "July 2004");
    const QString disclaimer = labelText(about, "lblDisclaimer");
    EXPECT_EQ(disclaimer.size(), 113);
    EXPECT_TRUE(disclaimer.endsWith("   "));
    EXPECT_EQ(about->findChild<QObject*>("Line1_0")->property("y1").toFloat(), 2273);
}

TEST_F(Dialogs, AboutSeparatorIsPaintedGreyOverWhite) {
    QWidget* about = openAbout();
    ASSERT_NE(about, nullptr);
    const QImage image = about->grab().toImage();
    std::vector<QColor> column;
    for (int y = 2273 / 15 - 2; y <= 2273 / 15 + 2; ++y) {
        column.push_back(image.pixelColor(100, y));
    }
    const auto grey = std::find(column.begin(), column.end(), QColor(128, 128, 128));
    const auto white = std::find(column.begin(), column.end(), QColor(255, 255, 255));
    ASSERT_NE(grey, column.end());
    ASSERT_NE(white, column.end());
    EXPECT_EQ(white, grey + 1);  // an etched line: the white one shows below the grey one
}

TEST_F(Dialogs, OneAboutHoweverOftenChosenAndTheMainWindowStaysUsable) {
    QWidget* about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(openAbout(), about);
    EXPECT_EQ(openWindows("frmAbout").size(), 1u);
    scrollBar()->setValue(3);
    EXPECT_EQ(state("CurChannel"), 994);
    EXPECT_EQ(labelText(about, "lblVersion"), "Version 2.20");
}

TEST_F(Dialogs, AboutClosesWithOkEnterAndEscapeAndReloads) {
    const auto closeBy = [this](auto action) {
        QPointer<QWidget> about = openAbout();
        EXPECT_FALSE(about.isNull());
        action(about.data());
        EXPECT_TRUE(closedAndUnloaded(about));
    };
    closeBy(
        [](QWidget* d) { QTest::mouseClick(d->findChild<QPushButton*>("cmdOK"), Qt::LeftButton); });
    closeBy([](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); });
    closeBy([](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); });
    closeBy([](QWidget* d) { d->close(); });
    QWidget* again = openAbout();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(labelText(again, "lblVersion"), "Version 2.20");
}

// The layout places each dialog's client area on the screen; geometry() is the client area.
TEST_F(Dialogs, ClientAreasStandWhereTheLayoutPutsThem) {
    const QPoint origin = window->screen()->availableGeometry().topLeft();
    QWidget* about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->geometry(), twipRect(4548, 3336, 5724, 3096).translated(origin));
    QWidget* shortcuts = openShortcuts();
    ASSERT_NE(shortcuts, nullptr);
    EXPECT_EQ(shortcuts->geometry(), twipRect(2760, 3756, 3708, 1980).translated(origin));
}

TEST_F(Dialogs, ShortcutsIsADialogToAssistiveTechnology) {
    QWidget* shortcuts = openShortcuts();
    ASSERT_NE(shortcuts, nullptr);
    auto* seen = QAccessible::queryAccessibleInterface(shortcuts);
    EXPECT_EQ(seen->role(), QAccessible::Dialog);
    EXPECT_EQ(seen->text(QAccessible::Name), "Keyboard Shortcuts");
}

TEST_F(Dialogs, ShortcutsListTheKeysInFourAlignedLines) {
    QWidget* shortcuts = openShortcuts();
    ASSERT_NE(shortcuts, nullptr);
    EXPECT_EQ(shortcuts->windowTitle(), "Keyboard Shortcuts");
    auto* list = shortcuts->findChild<ShortcutListLabel*>("Label1");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text(), kShortcutText);
    EXPECT_EQ(kShortcutText.size(), 128);
    const auto entries = shortcutEntries(list->text());
    const std::vector<ShortcutEntry> expected = {{"+ (or =)", "increment channel"},
                                                 {"-", "decrement channel"},
                                                 {"B", "bottom channel"},
                                                 {"T", "top channel"}};
    EXPECT_EQ(entries, expected);
    int widestMeaning = 0;
    for (const auto& [key, meaning] : entries) {
        EXPECT_LT(list->fontMetrics().horizontalAdvance(key), list->meaningColumn());
        widestMeaning = std::max(widestMeaning, list->fontMetrics().horizontalAdvance(meaning));
    }
    EXPECT_LE(list->meaningColumn() + widestMeaning, list->width());
    EXPECT_LE(4 * list->fontMetrics().lineSpacing(), list->height());
}

TEST_F(Dialogs, ShortcutsCloseWithTheFocusedOkButEscapeDoesNothing) {
    QPointer<QWidget> shortcuts = openShortcuts();
    ASSERT_FALSE(shortcuts.isNull());
    EXPECT_EQ(openShortcuts(), shortcuts.data());
    auto* ok = shortcuts->findChild<QPushButton*>("OKButton");
    ASSERT_TRUE(QTest::qWaitForWindowActive(shortcuts.data()));
    EXPECT_TRUE(ok->hasFocus());
    QTest::keyClick(ok, Qt::Key_Escape);
    QTest::keyClick(shortcuts.data(), Qt::Key_Escape);
    EXPECT_TRUE(shortcuts->isVisible());
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_TRUE(closedAndUnloaded(shortcuts));
}

TEST_F(Dialogs, ExitClosesOpenDialogsToo) {
    QPointer<QWidget> about = openAbout();
    QPointer<QWidget> shortcuts = openShortcuts();
    QSignalSpy ended(window.get(), &MainWindow::programEnded);
    find<QAction>("mnuExit")->trigger();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_TRUE(closedAndUnloaded(about));
    EXPECT_TRUE(closedAndUnloaded(shortcuts));
}

TEST_F(Dialogs, DialogsKeepTheirFixedClientArea) {
    QWidget* about = openAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->size(), QSize(382, 206));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    QWidget* shortcuts = openShortcuts();
    ASSERT_NE(shortcuts, nullptr);
    EXPECT_EQ(shortcuts->size(), QSize(247, 132));
}

}  // namespace
}  // namespace tarnvale::testing

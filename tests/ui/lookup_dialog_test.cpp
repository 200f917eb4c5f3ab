#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "engine/carrier.h"
#include "main_window_fixture.h"
#include "ui/dialogs/lookup_dialog.h"

namespace tarnvale::testing {
namespace {

class Lookup : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QTest::keyClick(channelBox(), Qt::Key_L, Qt::ControlModifier);
        dialog = window->findChild<LookupDialog*>("frmLookup");
        if (dialog == nullptr) {
            for (auto* w : QApplication::topLevelWidgets()) {
                if (w->objectName() == "frmLookup" && w->isVisible()) {
                    dialog = qobject_cast<LookupDialog*>(w);
                }
            }
        }
        ASSERT_NE(dialog, nullptr);
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        table = dialog->findChild<QTableView*>("tblResults");
    }

    template <typename T>
    T* part(const char* name) const {
        return dialog->findChild<T*>(name);
    }
    // Types the text into the box, as a user would.
    void ask(const QString& text, int format = 0) {
        part<QComboBox>("cboFormat")->setCurrentIndex(format);
        part<QLineEdit>("txtLookup")->clear();
        QTest::keyClicks(part<QLineEdit>("txtLookup"), text);
    }
    QStringList column(int col) const {
        QStringList values;
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            values << table->model()->index(row, col).data().toString();
        }
        return values;
    }
    QString status() const { return part<QLabel>("lblLookupStatus")->text(); }
    void doubleClickRow(int row) {
        const QModelIndex index = table->model()->index(row, 0);
        const QRect rect = table->visualRect(index);
        // A double click is a click and then a second press, as a mouse sends them.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, rect.center());
    }

    QPointer<LookupDialog> dialog;
    QTableView* table = nullptr;
};

TEST_F(Lookup, OpensOnceFromTheToolsMenu) {
    EXPECT_EQ(find<QMenu>("mnuTools")->title(), "Tools");
    auto* action = find<QAction>("mnuLookup");
    EXPECT_EQ(action->text(), "Channel Lookup...");
    EXPECT_EQ(action->shortcut(), QKeySequence("Ctrl+L"));
    EXPECT_FALSE(dialog->isModal());
    // The menu bar keeps File and Help as they were, Tools between them.
    QStringList menus;
    for (auto* a : window->menuBar()->actions()) {
        menus << a->text();
    }
    EXPECT_EQ(menus, (QStringList{"File", "Tools", "Help"}));
    QTest::keyClick(channelBox(), Qt::Key_L, Qt::ControlModifier);
    action->trigger();
    int open = 0;
    for (auto* w : QApplication::topLevelWidgets()) {
        open += w->objectName() == "frmLookup" && w->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(open, 1);
}

TEST_F(Lookup, ChannelNumbersInEveryFormatOrOne) {
    ask("512");
    EXPECT_EQ(column(0).size(), 16);
    ask("512", 2);  // GSM: DCS 1800 and PCS 1900 share the number
    EXPECT_EQ(column(1), (QStringList{"DCS 1800", "PCS 1900"}));
    EXPECT_EQ(column(4), (QStringList{"1805.2000", "1930.2000"}));
    EXPECT_EQ(status(), "2 bands for channel 512");
    ask("10562", 3);  // WCDMA downlink only: the uplink channels it pairs with
    EXPECT_EQ(column(1), (QStringList{"Band I", "Band IV"}));
    EXPECT_EQ(column(3), (QStringList{"9612", "8562"}));
    EXPECT_EQ(column(8), (QStringList{"10562", "10562"}));
    EXPECT_EQ(column(9), (QStringList{"9612", "8562"}));
    ask("632628", 7);  // NR
    EXPECT_EQ(column(1), (QStringList{"n77", "n78"}));
    EXPECT_EQ(column(10), (QStringList{"TDD", "TDD"}));
}

// The table shows the columns it copies, headed by their titles.
TEST_F(Lookup, ShowsTheColumnsOfTheCommandLinesRows) {
    const auto headers = [this] {
        QStringList titles;
        for (int c = 0; c < table->model()->columnCount(); ++c) {
            titles << table->model()->headerData(c, Qt::Horizontal).toString();
        }
        return titles;
    };
    ask("512");
    EXPECT_EQ(headers(),
              (QStringList{"Format", "Band", "Index", "Channel", "Downlink MHz", "Uplink MHz",
                           "Gap MHz", "Spacing kHz", "DL channel", "UL channel", "Duplex"}));
    ask("1930.2");
    EXPECT_EQ(headers(), (QStringList{"Format", "Band", "Index", "Channel", "Direction", "MHz",
                                      "Offset kHz"}));
    EXPECT_EQ(table->model()->index(0, 5).data(Qt::TextAlignmentRole).toInt(),
              static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
}

TEST_F(Lookup, FrequenciesWithATolerance) {
    part<QDoubleSpinBox>("spnTolerance")->setValue(15);
    ask("869.05", 1);  // CDMA
    EXPECT_EQ(column(1), (QStringList{"TACS (Japan)", "Cell 800", "TACS (Japan)", "TACS (Japan)"}));
    EXPECT_EQ(column(4), (QStringList{"forward", "forward", "forward", "forward"}));
    EXPECT_EQ(column(6), (QStringList{"0", "-10", "-12.5", "12.5"}));
    EXPECT_EQ(status(), "4 carriers within 15 kHz of 869.0500 MHz");
    part<QDoubleSpinBox>("spnTolerance")->setValue(0);
    ask("1815 MHz", 6);  // LTE: EARFCN 1300 of Band 3
    EXPECT_EQ(column(1), (QStringList{"Band 3"}));
    EXPECT_EQ(column(3), (QStringList{"1300"}));
    EXPECT_EQ(status(), "1 carrier at 1815.0000 MHz");
    ask("1815.0", 6);
    EXPECT_EQ(column(3), (QStringList{"1300"}));
}

// A frequency a little off every raster of a format still leads to that format's nearest
// carrier, with its offset.
TEST_F(Lookup, FormatsWithNoCarrierThereNameTheirNearest) {
    ask("3550 MHz", 7);  // NR
    EXPECT_EQ(table->model()->rowCount(), 0);
    EXPECT_EQ(status(),
              "No carrier at 3550.0000 MHz. Nearest: NR n48 636667 at 3550.0050 MHz (+5 kHz)");
    ask("3550 MHz");  // LTE and UMTS have carriers there; the others are named
    const QString all = status();
    EXPECT_TRUE(all.contains(". Nearest: NR n48 636667 at 3550.0050 MHz (+5 kHz); "))
        << all.toStdString();
    EXPECT_FALSE(all.contains("LTE ")) << all.toStdString();
    EXPECT_TRUE(all.contains("GSM ")) << all.toStdString();
}

TEST_F(Lookup, TextThatIsNeitherSaysWhy) {
    ask("abc");
    EXPECT_EQ(table->model()->rowCount(), 0);
    EXPECT_EQ(status(), "“abc” is neither a channel number nor a frequency in MHz");
    ask("99999999999");
    EXPECT_EQ(table->model()->rowCount(), 0);
    EXPECT_EQ(status(),
              "99999999999 is too large for a channel number (the largest is 2147483647)");
    ask("-5");
    EXPECT_EQ(table->model()->rowCount(), 0);
    EXPECT_EQ(status(), "-5 is not a channel number: channel numbers have no minus sign");
    ask("-1842.5 MHz");
    EXPECT_EQ(status(), "-1842.5 is not a frequency: frequencies are not negative");
    // Past every band: nothing, and the number as typed rather than its binary digits.
    ask("100000000000000000000000000.0");
    EXPECT_EQ(table->model()->rowCount(), 0);
    EXPECT_EQ(status(),
              "No carrier at 100000000000000000000000000.0 MHz: the highest carrier "
              "of any band is at 70904.6400 MHz");
    // Below 1 MHz the frequency keeps its leading zero.
    ask("0.5 MHz", 7);
    EXPECT_TRUE(status().startsWith("No carrier at 0.5000 MHz")) << status().toStdString();
    ask("");
    EXPECT_EQ(status(), "Type a channel number or a frequency in MHz");
    EXPECT_FALSE(part<QPushButton>("cmdSave")->isEnabled());
}

TEST_F(Lookup, CopyAndSaveWriteTheRowsAsTheCommandLineDoes) {
    ask("512", 2);
    table->selectRow(1);
    table->setFocus();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "format,band,index,channel,forward_mhz,reverse_mhz,gap_mhz,spacing_khz,dl_channel,"
              "ul_channel,duplex\nGSM,PCS 1900,0,512,1930.2000,1850.2000,80,200,,,FDD\n");

    QTemporaryDir folder;
    const QString path = folder.filePath("gsm512.csv");
    dialog->setSavePathProvider([&] { return path; });
    QTest::mouseClick(part<QPushButton>("cmdSave"), Qt::LeftButton);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().count('\n'), 3);
    EXPECT_TRUE(takeWarnings().empty());
    EXPECT_EQ(status(), "Saved 2 rows to " + path);

    dialog->setSavePathProvider([&] { return folder.filePath("no/such/folder/x.csv"); });
    QTest::mouseClick(part<QPushButton>("cmdSave"), Qt::LeftButton);
    const auto warnings = takeWarnings();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].title, "Save Results");
    EXPECT_TRUE(warnings[0].text.startsWith("The results could not be saved to"));
}

TEST_F(Lookup, AClassicRowShowsItsChannelInTheWindow) {
    ask("512", 2);
    doubleClickRow(1);
    EXPECT_EQ(stateText("RadioFormat"), "GSM");
    EXPECT_EQ(stateText("BandName"), "PCS 1900");
    EXPECT_EQ(state("CurChannel"), 512);
    EXPECT_TRUE(band(4)->isChecked());
    EXPECT_EQ(text("lblFwdFreq"), "1930.2000");
    EXPECT_EQ(find<QGroupBox>("frmChannel")->title(), "Channel (valid chan: 512-810)");
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));  // brought forward
}

TEST_F(Lookup, OtherGenerationsOpenTheCarrierWindow) {
    ask("1300", 6);  // LTE Band 3
    const QString before = text("lblFwdFreq");
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, 0));
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(stateText("RadioFormat"), "CDMA");
    EXPECT_EQ(text("lblFwdFreq"), before);
    EXPECT_EQ(status(),
              "LTE Band 3: downlink 1815.0000 MHz (channel 1300), uplink 1720.0000 MHz "
              "(channel 19300), FDD");
    // The Carrier window shows the channel with the narrowest carrier that fits it there.
    QWidget* carrier = nullptr;
    for (auto* w : QApplication::topLevelWidgets()) {
        carrier = w->objectName() == "frmCarrier" && w->isVisible() ? w : carrier;
    }
    ASSERT_NE(carrier, nullptr);
    EXPECT_EQ(carrier->findChild<QComboBox*>("cboCarrierBand")->currentText(), "Band 3");
    EXPECT_EQ(carrier->findChild<QLineEdit*>("txtCarrierChannel")->text(), "1300");
    EXPECT_EQ(carrier->findChild<QComboBox*>("cboBandwidth")->currentText(), "1.4 MHz");
    // An NR channel opens on the narrowest carrier with SS block positions: n78's 632628 has
    // none at 5 MHz.
    ask("632628", 7);
    table->setFocus();
    table->setCurrentIndex(table->model()->index(column(1).indexOf("n78"), 0));
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(carrier->findChild<QLineEdit*>("txtCarrierChannel")->text(), "632628");
    EXPECT_GT(carrier->findChild<QTableView*>("tblSsb")->model()->rowCount(), 0);
    EXPECT_GT(carrier->findChild<QComboBox*>("cboBandwidth")->currentData().toInt(), 5000);
    // An NR channel off the 30 kHz raster takes the narrowest carrier of 15 kHz.
    ask("636667", 7);
    table->setFocus();
    ASSERT_EQ(column(1).indexOf("n78"), 2);
    table->setCurrentIndex(table->model()->index(2, 0));
    QTest::keyClick(table, Qt::Key_Return);
    const auto shape = narrowestShapeAt(*findBand(Format::Nr, "n78"), 636667);
    ASSERT_TRUE(shape.has_value());
    EXPECT_EQ(carrier->findChild<QComboBox*>("cboCarrierBand")->currentText(), "n78");
    EXPECT_EQ(carrier->findChild<QLineEdit*>("txtCarrierChannel")->text(), "636667");
    EXPECT_EQ(carrier->findChild<QComboBox*>("cboBandwidth")->currentData().toInt(),
              shape->bandwidthKhz);
    EXPECT_EQ(carrier->findChild<QComboBox*>("cboScs")->currentData().toInt(), 15);
}

TEST_F(Lookup, EscapeClosesAndEveryControlIsNamed) {
    for (const char* name : {"txtLookup", "cboFormat", "spnTolerance", "tblResults"}) {
        auto* control = part<QWidget>(name);
        auto* seen = QAccessible::queryAccessibleInterface(control);
        EXPECT_FALSE(seen->text(QAccessible::Name).isEmpty()) << name;
    }
    QTest::keyClick(part<QLineEdit>("txtLookup"), Qt::Key_Escape);
    EXPECT_FALSE(dialog && dialog->isVisible());
}

}  // namespace
}  // namespace tarnvale::testing

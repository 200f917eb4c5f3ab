#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "engine/band_table.h"
#include "engine/carrier.h"
#include "engine/cell_config.h"
#include "engine/ssb.h"
#include "engine/subcarriers.h"
#include "main_window_fixture.h"
#include "report/cell_rows.h"
#include "report/rows.h"
#include "ui/dialogs/carrier_dialog.h"
#include "ui/spectrum/carrier_geometry.h"
#include "ui/spectrum/carrier_picture.h"

namespace tarnvale::testing {
namespace {

BandRef bandNamed(Format format, const char* name) {
    return *findBand(format, name);
}

class CarrierWindow : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QTest::keyClick(channelBox(), Qt::Key_K, Qt::ControlModifier);
        dialog = openCarrierWindow();
        ASSERT_NE(dialog, nullptr);
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    }

    static CarrierDialog* openCarrierWindow() {
        for (auto* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "frmCarrier" && w->isVisible()) {
                return qobject_cast<CarrierDialog*>(w);
            }
        }
        return nullptr;
    }

    template <typename T>
    T* part(const char* name) const {
        auto* found = dialog->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* channel() const { return part<QLineEdit>("txtCarrierChannel"); }
    QString label(const char* name) const { return part<QLabel>(name)->text(); }

    // Picks an item of a list with the arrow keys, as a user would.
    void choose(const char* list, const QString& item) {
        auto* box = part<QComboBox>(list);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < box->count() && box->currentText() != item; ++i) {
            QTest::keyClick(box, Qt::Key_Down);
        }
        ASSERT_EQ(box->currentText(), item) << list;
    }
    // Types a channel and Enter.
    void enter(const QString& number) {
        channel()->setFocus();
        channel()->selectAll();
        QTest::keyClicks(channel(), number);
        QTest::keyClick(channel(), Qt::Key_Return);
    }
    QStringList items(const char* list) const {
        QStringList texts;
        auto* box = part<QComboBox>(list);
        for (int i = 0; i < box->count(); ++i) {
            texts << box->itemText(i);
        }
        return texts;
    }
    // The carrier the window shows, as the engine gives it.
    BandwidthCarrier shownCarrier(BandRef band, std::int32_t bandwidthKhz,
                                  std::optional<std::int32_t> scs = {}) const {
        const auto shape = carrierShape(band, bandwidthKhz, scs).value;
        return *carrierAt(band, channel()->text().toInt(), *shape).value;
    }

    QPointer<CarrierDialog> dialog;
};

TEST_F(CarrierWindow, OpensOnceFromTheToolsMenuBelowChannelLookup) {
    auto* action = find<QAction>("mnuCarrier");
    EXPECT_EQ(action->text(), "Carrier...");
    EXPECT_EQ(action->shortcut(), QKeySequence("Ctrl+K"));
    const auto tools = find<QMenu>("mnuTools")->actions();
    ASSERT_EQ(tools.size(), 3);
    EXPECT_EQ(tools[0]->objectName(), "mnuLookup");
    EXPECT_EQ(tools[1], action);
    EXPECT_EQ(tools[2]->objectName(), "mnuCheck");
    EXPECT_FALSE(dialog->isModal());
    action->trigger();
    int open = 0;
    for (auto* w : QApplication::topLevelWidgets()) {
        open += w->objectName() == "frmCarrier" && w->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(open, 1);
}

TEST_F(CarrierWindow, EveryFormatListsItsBandsAndShowsACarrier) {
    const struct {
        Format format;
        bool spacingChoice;
        bool ssbTable;
    } formats[] = {
        {Format::Lte, false, false}, {Format::Nr, true, true}, {Format::Umts, false, false}};
    for (const auto& f : formats) {
        choose("cboCarrierFormat", toQString(formatName(f.format)));
        QStringList names;
        for (const BandRef band : bandsOf(f.format)) {
            names << toQString(band.name());
        }
        EXPECT_EQ(items("cboCarrierBand"), names);
        const BandRef first = bandsOf(f.format).front();
        const auto allowed = allowedBandwidths(first);
        ASSERT_FALSE(allowed.empty());
        const auto carrier = shownCarrier(first, allowed.front().bandwidthKhz);
        EXPECT_EQ(label("lblCarrierDl"),
                  QString("%1 MHz (channel %2)")
                      .arg(QString::number(carrier.downlink->centreKhz / 1000.0, 'f', 4))
                      .arg(carrier.downlink->channel));
        EXPECT_EQ(part<QComboBox>("cboScs")->isEnabled(), f.spacingChoice);
        EXPECT_EQ(part<QSpinBox>("spnOffsetToCarrier")->isEnabled(), f.spacingChoice);
        EXPECT_EQ(part<QTableView>("tblSsb")->isVisible(), f.ssbTable);
        EXPECT_EQ(label("lblPointA") == "none (NR only)", !f.ssbTable);
    }
}

TEST_F(CarrierWindow, EachBandwidthOfABandGivesItsCarrier) {
    choose("cboCarrierFormat", "LTE");
    choose("cboCarrierBand", "Band 3");
    const BandRef band3 = bandNamed(Format::Lte, "Band 3");
    auto* widths = part<QComboBox>("cboBandwidth");
    EXPECT_EQ(items("cboBandwidth"),
              (QStringList{"1.4 MHz", "3 MHz", "5 MHz", "10 MHz", "15 MHz", "20 MHz"}));
    for (int i = 0; i < widths->count(); ++i) {
        widths->setFocus();
        QTest::keyClick(widths, i == 0 ? Qt::Key_Home : Qt::Key_Down);
        const auto khz = widths->currentData().toInt();
        const auto carrier = shownCarrier(band3, khz);
        EXPECT_EQ(carrier.downlink->highEdgeKhz - carrier.downlink->lowEdgeKhz, khz);
        EXPECT_TRUE(
            label("lblCarrierEdges")
                .endsWith(QString("%1 resource blocks of 15 kHz").arg(*carrier.resourceBlocks)))
            << label("lblCarrierEdges").toStdString();
        EXPECT_TRUE(label("lblCarrierUl")
                        .startsWith(QString::number(carrier.uplink->centreKhz / 1000.0, 'f', 4)));
    }
}

TEST_F(CarrierWindow, ABandChangeKeepsWhatTheNewBandAllowsAndTakesTheNearestOtherwise) {
    choose("cboCarrierFormat", "LTE");
    choose("cboCarrierBand", "Band 1");
    choose("cboBandwidth", "20 MHz");
    enter("300");
    choose("cboCarrierBand", "Band 3");  // has 20 MHz; channel 300 is no Band 3 channel
    EXPECT_EQ(part<QComboBox>("cboBandwidth")->currentText(), "20 MHz");
    EXPECT_EQ(channel()->text(), "1300");  // Band 3's valid 20 MHz channel nearest to 300
    choose("cboCarrierBand", "Band 12");   // 1.4 to 10 MHz
    EXPECT_EQ(part<QComboBox>("cboBandwidth")->currentText(), "10 MHz");
    EXPECT_FALSE(label("lblCarrierDl").isEmpty());
    EXPECT_TRUE(takeWarnings().empty());
}

TEST_F(CarrierWindow, StepKeysWalkTheValidChannelsAndBeepAtEitherEnd) {
    choose("cboCarrierFormat", "NR");
    choose("cboCarrierBand", "n78");
    choose("cboBandwidth", "100 MHz");
    const BandRef n78 = bandNamed(Format::Nr, "n78");
    const auto valid = carrierChannels(n78, *carrierShape(n78, 100000, 30).value);
    QTest::keyClick(channel(), Qt::Key_B);
    EXPECT_EQ(channel()->text().toInt(), valid.at(0));
    QTest::keyClick(channel(), Qt::Key_Minus);
    EXPECT_EQ(alerts.beeps, 1);
    QTest::keyClick(channel(), Qt::Key_Plus);
    QTest::keyClick(channel(), Qt::Key_Equal);
    QTest::keyClick(channel(), Qt::Key_Up);
    EXPECT_EQ(channel()->text().toInt(), valid.at(3));
    QTest::keyClick(channel(), Qt::Key_Down);
    EXPECT_EQ(channel()->text().toInt(), valid.at(2));
    QTest::keyClick(channel(), Qt::Key_T);
    EXPECT_EQ(channel()->text().toInt(), valid.at(valid.size() - 1));
    QTest::keyClick(channel(), Qt::Key_Plus);
    QTest::keyClick(channel(), Qt::Key_Up);
    EXPECT_EQ(alerts.beeps, 3);
    QTest::keyClick(channel(), Qt::Key_B, Qt::ShiftModifier);
    EXPECT_EQ(channel()->text().toInt(), valid.at(0));
}

TEST_F(CarrierWindow, AnInvalidChannelWarnsNamingTheNearestValidOne) {
    choose("cboCarrierFormat", "NR");
    choose("cboCarrierBand", "n78");
    choose("cboBandwidth", "100 MHz");
    enter("636666");
    enter("620000");
    const auto warnings = takeWarnings();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].title, "Invalid Channel");
    EXPECT_EQ(warnings[0].text,
              "a 100 MHz carrier at channel 620000 (3300.0000 MHz) crosses NR n78's lower "
              "downlink edge (3300 MHz); the nearest valid centre is 3350.0100 MHz, channel "
              "623334");
    EXPECT_EQ(channel()->text(), "636666");
    enter("xyz1");  // letters other than B and T do nothing: "1" is typed
    EXPECT_EQ(takeWarnings().size(), 1u);
    EXPECT_EQ(channel()->text(), "636666");
}

TEST_F(CarrierWindow, NrSpacingsChangeTheGridAndTheResourceBlocks) {
    choose("cboCarrierFormat", "NR");
    choose("cboCarrierBand", "n78");
    choose("cboBandwidth", "100 MHz");
    EXPECT_EQ(items("cboScs"), (QStringList{"30 kHz", "60 kHz"}));
    EXPECT_TRUE(label("lblCarrierEdges").endsWith("273 resource blocks of 30 kHz"));
    choose("cboScs", "60 kHz");
    EXPECT_TRUE(label("lblCarrierEdges").endsWith("135 resource blocks of 60 kHz"));
    // An offset to carrier moves Point A down by that many resource blocks.
    const BandRef n78 = bandNamed(Format::Nr, "n78");
    auto* offset = part<QSpinBox>("spnOffsetToCarrier");
    offset->setFocus();
    QTest::keyClick(offset, Qt::Key_Up);
    const auto shape = carrierShape(n78, 100000, 60, 1).value;
    const auto carrier = *carrierAt(n78, channel()->text().toInt(), *shape).value;
    EXPECT_TRUE(label("lblPointA")
                    .contains(QString::number(*carrier.downlink->pointAKhz / 1000.0, 'f', 4)));
}

TEST_F(CarrierWindow, TheSsTableAndThePictureShowTheEnginesPositions) {
    choose("cboCarrierFormat", "NR");
    choose("cboCarrierBand", "n257");
    choose("cboBandwidth", "400 MHz");
    const BandRef n257 = bandNamed(Format::Nr, "n257");
    const auto carrier = shownCarrier(n257, 400000, 120);
    const auto positions = ssbPositions(carrier);
    auto* table = part<QTableView>("tblSsb");
    ASSERT_EQ(table->model()->rowCount(), static_cast<int>(positions.size()));
    ASSERT_GT(positions.size(), 2u);
    auto* picture = part<CarrierPicture>("picCarrier");
    const double low = picture->zoomLowMhz();
    const double high = picture->zoomHighMhz();
    const auto xOf = [&](double khz) {
        return kPictureScaleLeft + (khz / 1000.0 - low) / (high - low) * kPictureScaleWidth;
    };
    const auto marks = picture->findChild<PaintedMarks*>("marksSsb")->xs();
    ASSERT_EQ(marks.size(), static_cast<qsizetype>(positions.size()));
    for (std::size_t i = 0; i < positions.size(); ++i) {
        EXPECT_NEAR(marks[static_cast<qsizetype>(i)],
                    xOf(static_cast<double>(positions[i].ssRefKhz)), 0.5);
    }
    // Choosing a row fills the band that block occupies.
    table->setFocus();
    table->selectRow(2);
    auto* chosen = picture->findChild<PaintedShape*>("shpSsbSelected");
    EXPECT_TRUE(chosen->isVisible());
    const auto occupied =
        ssbOccupiedBand(positions[2].ssRefKhz, positions[2].scsKhz, ssbSubcarriers(400000));
    EXPECT_NEAR(chosen->left(), xOf(static_cast<double>(occupied.lowHz) / 1000), 0.5);
    EXPECT_NEAR(chosen->left() + chosen->width(), xOf(static_cast<double>(occupied.highHz) / 1000),
                0.5);
    EXPECT_EQ(table->model()->index(2, 0).data().toInt(), positions[2].gscn);
    auto* pointA = picture->findChild<PaintedLine*>("linePointA");
    EXPECT_NEAR(pointA->x1(), xOf(static_cast<double>(*carrier.downlink->pointAKhz)), 0.5);
}

TEST_F(CarrierWindow, EachDuplexModeHasItsRowsInThePicture) {
    const struct {
        Format format;
        const char* band;
        bool downlinkBand;
        bool uplinkBand;
        const char* uplinkText;
    } bands[] = {
        {Format::Lte, "Band 3", true, true, "MHz (channel 19"},
        {Format::Nr, "n78", true, false, "the downlink's (TDD)"},
        {Format::Nr, "n75", true, false, "none: a supplementary downlink band"},
        {Format::Nr, "n80", false, true, "MHz (channel"},
    };
    for (const auto& b : bands) {
        choose("cboCarrierFormat", toQString(formatName(b.format)));
        choose("cboCarrierBand", b.band);
        auto* picture = part<CarrierPicture>("picCarrier");
        EXPECT_EQ(picture->findChild<PaintedShape*>("shpDlBand")->isVisible(), b.downlinkBand)
            << b.band;
        EXPECT_EQ(picture->findChild<PaintedShape*>("shpUlBand")->isVisible(), b.uplinkBand)
            << b.band;
        EXPECT_EQ(picture->findChild<PaintedLabel*>("lblUlNote")->isVisible(), !b.uplinkBand);
        EXPECT_TRUE(label("lblCarrierUl").contains(b.uplinkText)) << b.band;
    }
}

TEST_F(CarrierWindow, ABandWithoutBandwidthsSaysSoWithoutAWarning) {
    choose("cboCarrierFormat", "LTE");
    choose("cboCarrierBand", "Band 103");
    EXPECT_EQ(part<QComboBox>("cboBandwidth")->count(), 0);
    EXPECT_EQ(label("lblCarrierStatus"),
              toQString(noBandwidthText(bandNamed(Format::Lte, "Band 103"))));
    QTest::keyClick(channel(), Qt::Key_Plus);
    QTest::keyClick(channel(), Qt::Key_Return);
    EXPECT_EQ(alerts.beeps, 2);
    EXPECT_FALSE(part<QPushButton>("cmdCarrierSave")->isEnabled());
}

TEST_F(CarrierWindow, CopyAndSaveWriteTheCommandLinesRows) {
    choose("cboCarrierFormat", "LTE");
    choose("cboCarrierBand", "Band 3");
    choose("cboBandwidth", "20 MHz");
    enter("1300");
    part<CarrierPicture>("picCarrier")->setFocus();
    QTest::keyClick(part<CarrierPicture>("picCarrier"), Qt::Key_C, Qt::ControlModifier);
    const QString header =
        "format,band,channel,direction,duplex,bandwidth_mhz,scs_khz,n_rb,center_mhz,"
        "low_edge_mhz,high_edge_mhz,point_a_arfcn,point_a_mhz\n";
    EXPECT_EQ(QApplication::clipboard()->text(),
              header +
                  "LTE,Band 3,1300,downlink,FDD,20,15,100,1815.0000,1805.0000,1825.0000,,\n"
                  "LTE,Band 3,19300,uplink,FDD,20,15,100,1720.0000,1710.0000,1730.0000,,\n");

    choose("cboCarrierFormat", "NR");
    choose("cboCarrierBand", "n78");
    choose("cboBandwidth", "100 MHz");
    enter("636666");
    QTemporaryDir folder;
    const QString path = folder.filePath("n78.csv");
    dialog->setSavePathProvider([&] { return path; });
    QTest::mouseClick(part<QPushButton>("cmdCarrierSave"), Qt::LeftButton);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QStringList blocks = QString(saved.readAll()).split("\n\n");
    ASSERT_EQ(blocks.size(), 2);
    EXPECT_TRUE(blocks[0].startsWith(header + "NR,n78,636666,both,TDD,100,30,273,3549.9900,"));
    const auto ssbRows = blocks[1].count('\n') - 1;
    EXPECT_EQ(ssbRows, part<QTableView>("tblSsb")->model()->rowCount());
    EXPECT_EQ(label("lblCarrierStatus"),
              QString("Saved 1 carrier row and %1 SS block rows to %2").arg(ssbRows).arg(path));
}

TEST_F(CarrierWindow, EveryControlIsNamedForAccessibility) {
    for (const char* name : {"cboCarrierFormat", "cboCarrierBand", "cboBandwidth", "cboScs",
                             "txtCarrierChannel", "spnOffsetToCarrier", "tblSsb"}) {
        EXPECT_FALSE(part<QWidget>(name)->accessibleName().isEmpty()) << name;
    }
    for (const char* name : {"lblCarrierDl", "lblCarrierUl", "lblCarrierEdges", "lblPointA"}) {
        EXPECT_TRUE(part<QLabel>(name)->textInteractionFlags() & Qt::TextSelectableByMouse);
    }
    QTest::keyClick(channel(), Qt::Key_Escape);
    EXPECT_FALSE(dialog && dialog->isVisible());
}

}  // namespace
}  // namespace tarnvale::testing

namespace tarnvale::testing {
namespace {

class CarrierCell : public CarrierWindow {
  protected:
    // The carrier shown with its SS block table's row `row` selected, and what config gives
    // for it with the CORESET#0 and searchSpaceZero asked for (config's picks where not).
    std::pair<BandwidthCarrier, CellConfig> selectRow(BandRef band, std::int32_t khz, int row,
                                                      std::int32_t scs,
                                                      std::optional<int> coreset0 = {},
                                                      std::optional<int> searchSpaceZero = {}) {
        auto* table = part<QTableView>("tblSsb");
        table->setFocus();
        table->selectRow(row);
        const auto carrier = shownCarrier(band, khz, scs);
        const auto gscn = ssbChoices(carrier).at(static_cast<std::size_t>(row)).position.gscn;
        return {carrier, *configureCell(carrier, {gscn, coreset0, searchSpaceZero}).value};
    }
    QString configCsv(const CellConfig& config) const {
        report::StringSink sink;
        report::Rows<report::kFieldColumns> rows(sink, {});
        for (const auto& row : report::configRows(config)) {
            rows.write(row);
        }
        return toQString(sink.text());
    }
};

// For an FR1 and an FR2 carrier and each SS block position: the CORESET#0 list is the indices
// ssb prints for it, the default is config's pick, the painted CORESET#0 lies at its frequency
// and the Configuration group copies what config writes.
TEST_F(CarrierCell, Coreset0ChoicesAndTheConfigurationAreTheEngines) {
    const struct {
        const char* band;
        const char* bandwidth;
        std::int32_t khz;
        std::int32_t scs;
    } carriers[] = {{"n78", "100 MHz", 100000, 30}, {"n257", "100 MHz", 100000, 60}};
    for (const auto& c : carriers) {
        choose("cboCarrierFormat", "NR");
        choose("cboCarrierBand", c.band);
        choose("cboBandwidth", c.bandwidth);
        const BandRef band = bandNamed(Format::Nr, c.band);
        const auto choices = ssbChoices(shownCarrier(band, c.khz, c.scs));
        ASSERT_FALSE(choices.empty());
        for (const int row : {0, static_cast<int>(choices.size()) - 1}) {
            const auto [carrier, config] = selectRow(band, c.khz, row, c.scs);
            QStringList expected;
            for (const int index : choices[static_cast<std::size_t>(row)].coreset0) {
                expected << QString::number(index);
            }
            EXPECT_EQ(items("cboCoreset0"), expected) << c.band << " " << row;
            const auto picked = configureCell(
                carrier, {choices[static_cast<std::size_t>(row)].position.gscn, {}, {}});
            ASSERT_TRUE(picked.value && picked.value->coreset0);
            EXPECT_EQ(part<QComboBox>("cboCoreset0")->currentData().toInt(),
                      picked.value->coreset0->index);
            auto* picture = part<CarrierPicture>("picCarrier");
            const auto xOf = [&](std::int64_t hz) {
                return kPictureScaleLeft + (static_cast<double>(hz) / 1e6 - picture->zoomLowMhz()) /
                                               (picture->zoomHighMhz() - picture->zoomLowMhz()) *
                                               kPictureScaleWidth;
            };
            auto* coreset = picture->findChild<PaintedShape*>("shpCoreset0");
            ASSERT_TRUE(coreset->isVisible());
            EXPECT_NEAR(coreset->left(), xOf(config.coreset0->band.lowHz), 1);
            EXPECT_NEAR(coreset->left() + coreset->width(), xOf(config.coreset0->band.highHz), 1);
            QTest::mouseClick(part<QPushButton>("cmdConfigCopy"), Qt::LeftButton);
            EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
                      configCsv(config).toStdString())
                << c.band;
        }
    }
    // Another CORESET#0 and searchSpaceZero, chosen by key, give config's fields for them.
    const int row = part<QTableView>("tblSsb")->currentIndex().row();
    const QString first = items("cboCoreset0").front();
    choose("cboCoreset0", first);
    choose("cboSearchSpaceZero", "3");
    const auto [carrier, config] =
        selectRow(bandNamed(Format::Nr, "n257"), 100000, row, 60, first.toInt(), 3);
    EXPECT_EQ(config.searchSpaceZero, 3);
    QTest::mouseClick(part<QPushButton>("cmdConfigCopy"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), configCsv(config).toStdString());
}

// Ctrl+C copies the carrier's rows wherever focus is, unless text is selected there; the
// channel box takes Ctrl+A, Ctrl+V of a number (and only of one) and Ctrl+Z.
TEST_F(CarrierCell, CopySelectAllPasteAndUndoByKey) {
    choose("cboCarrierFormat", "LTE");
    choose("cboCarrierBand", "Band 3");
    enter("1300");
    channel()->setFocus();
    channel()->deselect();
    QApplication::clipboard()->clear();
    QTest::keyClick(channel(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("format,band,channel,direction"));
    channel()->setSelection(0, 2);
    QTest::keyClick(channel(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "13");

    QTest::keyClick(channel(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(channel(), "1400");
    EXPECT_EQ(channel()->text(), "1400");
    QTest::keyClick(channel(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(channel()->text(), "1400");
    QTest::keyClick(channel(), Qt::Key_A, Qt::ControlModifier);
    QApplication::clipboard()->setText(" 1500 ");
    QTest::keyClick(channel(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(channel()->text(), "1500");
    QApplication::clipboard()->setText("15a");
    QTest::keyClick(channel(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(channel()->text(), "1500");
    EXPECT_EQ(alerts.beeps, 1);
}

// LTE and UMTS carriers have no SS blocks: the window is as tall as its rows, with no band
// wider than a row between them, and cannot be stretched into one; UMTS bands are drawn to
// their edges.
TEST_F(CarrierCell, LteAndUmtsViewsHaveNoEmptyBands) {
    for (const char* format : {"LTE", "UMTS"}) {
        choose("cboCarrierFormat", format);
        QApplication::processEvents();
        EXPECT_FALSE(part<QTableView>("tblSsb")->isVisible()) << format;
        EXPECT_EQ(dialog->maximumHeight(), dialog->minimumHeight()) << format;
        std::vector<QWidget*> rows = {
            channel(), part<QLabel>("lblCarrierChannels"), part<QWidget>("frmCarrierResults"),
            part<QWidget>("picCarrier"), part<QWidget>("cmdCarrierClose")};
        const int rowHeight = channel()->height();
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const int gap = rows[i]->mapTo(dialog, QPoint(0, 0)).y() -
                            (rows[i - 1]->mapTo(dialog, QPoint(0, 0)).y() + rows[i - 1]->height());
            EXPECT_LE(gap, rowHeight) << format << " row " << i;
        }
    }
    auto* picture = part<CarrierPicture>("picCarrier");
    EXPECT_EQ(picture->findChild<PaintedLabel*>("lblDlLow")->caption(), "2110");
    EXPECT_EQ(picture->findChild<PaintedLabel*>("lblUlHigh")->caption(), "1980");
}

}  // namespace
}  // namespace tarnvale::testing

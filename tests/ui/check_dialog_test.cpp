#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "engine/band_table.h"
#include "engine/cell_config.h"
#include "engine/given_fields.h"
#include "main_window_fixture.h"
#include "report/cell_rows.h"
#include "ui/dialogs/check_dialog.h"
#include "ui/spectrum/carrier_picture.h"

// The Check Configuration window with real key presses: a consistent cell, each field made
// wrong and mended by Apply, a gNB file with two cells, and the way to the Carrier window.
namespace tarnvale::testing {
namespace {

// The box each field is typed into, and a mistake to type there: a value one off, or one
// outside the field's range.
struct FieldBox {
    CellField field;
    const char* name;
    std::int64_t (*mistake)(std::int64_t good);
};
constexpr auto kOneUp = [](std::int64_t good) { return good + 1; };
constexpr auto kOneDown = [](std::int64_t good) { return good - 1; };
constexpr auto kPastItsRange = [](std::int64_t) -> std::int64_t { return 2200; };
constexpr auto kPastSixteen = [](std::int64_t) -> std::int64_t { return 16; };
constexpr FieldBox kBoxes[] = {
    {cell_field::kPointA, "txtPointA", kOneUp},
    {cell_field::kOffsetToCarrier, "txtOffsetToCarrier", kPastItsRange},
    {cell_field::kCarrierBandwidth, "txtCarrierRbs", kOneDown},
    {cell_field::kSsbArfcn, "txtSsbArfcn", kOneUp},
    {cell_field::kKssb, "txtKssb", kOneUp},
    {cell_field::kOffsetToPointA, "txtOffsetToPointA", kOneUp},
    {cell_field::kCoreset0, "txtCoreset0", kPastSixteen},
    {cell_field::kSearchSpaceZero, "txtSearchSpaceZero", kPastSixteen},
};

class CheckWindow : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QTest::keyClick(channelBox(), Qt::Key_G, Qt::ControlModifier);
        for (auto* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "frmCheck" && w->isVisible()) {
                dialog = qobject_cast<CheckDialog*>(w);
            }
        }
        ASSERT_NE(dialog, nullptr);
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    }

    template <typename T>
    T* part(const char* name) const {
        auto* found = dialog->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Replaces a box's text by keys, as a user would.
    void type(const char* box, const QString& text) {
        auto* edit = part<QLineEdit>(box);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    QStringList problems() const {
        QStringList lines;
        auto* list = part<QListWidget>("lstProblems");
        for (int i = 0; i < list->count(); ++i) {
            lines << list->item(i)->text();
        }
        return lines;
    }
    // A consistent n78 cell, as config makes it, typed in box by box.
    GivenCell typeConsistentCell() {
        const BandRef n78 = *findBand(Format::Nr, "n78");
        const auto shape = carrierShape(n78, 100000, 30).value;
        const auto carrier = carrierAt(n78, 636666, *shape).value;
        const auto config = configureCell(*carrier, {}).value;
        GivenCell cell{n78};
        for (const auto& row : report::configRows(*config)) {
            setGivenField(cell, row.field, row.value);
        }
        type("txtCheckBand", "n78");
        for (const auto& box : kBoxes) {
            type(box.name, QString::number(*givenField(cell, box.field)));
        }
        for (const auto& [list, spacing] :
             {std::pair{"cboCheckScs", "30"}, {"cboCheckSsbScs", ""}}) {
            auto* box = part<QComboBox>(list);
            box->setCurrentIndex(box->findText(spacing));
            emit box->activated(box->currentIndex());
        }
        return cell;
    }

    QPointer<CheckDialog> dialog;
};

TEST_F(CheckWindow, AConsistentCellHasNoProblemAndEachWrongFieldIsNamedAndMended) {
    const GivenCell cell = typeConsistentCell();
    EXPECT_EQ(problems(), QStringList{"No problem: these fields make a consistent cell."});
    EXPECT_EQ(part<QLabel>("lblCheckStatus")->text(), "No problem");
    int mended = 0;
    for (const auto& box : kBoxes) {
        const auto good = *givenField(cell, box.field);
        type(box.name, QString::number(box.mistake(good)));
        const auto lines = problems();
        const auto named = std::find_if(lines.begin(), lines.end(), [&](const QString& line) {
            return line.startsWith(toQString(box.field.name) + ": ");
        });
        ASSERT_NE(named, lines.end()) << box.name << ": " << lines.join(" / ").toStdString();
        auto* list = part<QListWidget>("lstProblems");
        list->setCurrentRow(static_cast<int>(named - lines.begin()));
        auto* apply = part<QPushButton>("cmdCheckApply");
        if (apply->isEnabled()) {
            QTest::mouseClick(apply, Qt::LeftButton);
            EXPECT_EQ(part<QLineEdit>(box.name)->text(), QString::number(good)) << box.name;
            ++mended;
        }
        type(box.name, QString::number(good));
        EXPECT_EQ(part<QLabel>("lblCheckStatus")->text(), "No problem") << box.name;
    }
    EXPECT_GE(mended, 4);
}

TEST_F(CheckWindow, AFileWithTwoCellsOffersEachAndOpensInTheCarrierWindow) {
    dialog->setOpenPathProvider(
        [] { return QString(TARNVALE_SOURCE_DIR) + "/tests/cli/oai/two_cells.conf"; });
    QTest::mouseClick(part<QPushButton>("cmdCheckOpen"), Qt::LeftButton);
    auto* cells = part<QComboBox>("cboCheckCell");
    ASSERT_EQ(cells->count(), 2);
    const QString first = part<QLineEdit>("txtPointA")->text();
    cells->setFocus();
    QTest::keyClick(cells, Qt::Key_Down);
    EXPECT_NE(part<QLineEdit>("txtPointA")->text(), first);
    const auto* picture = part<CarrierPicture>("picCheck");
    EXPECT_TRUE(picture->findChild<PaintedShape*>("shpChannel")->isVisible());

    typeConsistentCell();
    QTest::mouseClick(part<QPushButton>("cmdCheckCarrier"), Qt::LeftButton);
    QWidget* carrier = nullptr;
    for (auto* w : QApplication::topLevelWidgets()) {
        carrier = w->objectName() == "frmCarrier" && w->isVisible() ? w : carrier;
    }
    ASSERT_NE(carrier, nullptr);
    EXPECT_EQ(carrier->findChild<QComboBox*>("cboCarrierBand")->currentText(), "n78");
    EXPECT_EQ(carrier->findChild<QLineEdit*>("txtCarrierChannel")->text(), "636666");
    EXPECT_EQ(carrier->findChild<QComboBox*>("cboBandwidth")->currentText(), "100 MHz");
}

TEST_F(CheckWindow, AnSsBlockOutsideTheCarrierIsDrawnInTheWarningColour) {
    typeConsistentCell();
    auto* ssb = part<CarrierPicture>("picCheck")->findChild<PaintedShape*>("shpSsbSelected");
    const QColor inside = ssb->fill();
    // GSCN 7929's SS block, at 3619.2 MHz, above the 3500 to 3600 MHz carrier.
    type("txtSsbArfcn", "641280");
    EXPECT_TRUE(ssb->isVisible()) << problems().join(" / ").toStdString();
    EXPECT_NE(ssb->fill(), inside);
}

}  // namespace
}  // namespace tarnvale::testing

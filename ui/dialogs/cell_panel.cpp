#include "ui/dialogs/cell_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>
#include <numeric>

#include "engine/given_fields.h"
#include "engine/number_text.h"
#include "report/cell_rows.h"
#include "ui/toolkit/fitted_table.h"
#include "ui/toolkit/saved_text.h"

namespace tarnvale {
namespace {

constexpr int kSearchSpaceZeros = 16;
// Part, field, value and unit; the meaning of the selected row is written below the table.
constexpr int kMeaningColumn = 4;

QString mhz(const LocaleNumbers& numbers, std::int64_t hz) {
    return numbers.megahertz(static_cast<double>(hz) / 1e6);
}

}  // namespace

CellPanel::CellPanel(Alerts& alerts, QWidget* parent)
    : QWidget(parent),
      alerts_(alerts),
      numbers_(QLocale()),
      fields_(new RowsModel<report::kFieldColumns>(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildCoreset0());
    layout->addWidget(buildConfiguration(), 1);
    savePath_ = [this] {
        return QFileDialog::getSaveFileName(this, "Save Configuration", "config.csv",
                                            "CSV files (*.csv);;All files (*)");
    };
    clear();
}

QGroupBox* CellPanel::buildCoreset0() {
    auto* group = new QGroupBox("CORESET#0 of the selected SS block", this);
    group->setObjectName("grpCoreset0");
    cboCoreset0_ = new QComboBox(group);
    cboCoreset0_->setObjectName("cboCoreset0");
    cboCoreset0_->setAccessibleName("controlResourceSetZero");
    cboSearchSpaceZero_ = new QComboBox(group);
    cboSearchSpaceZero_->setObjectName("cboSearchSpaceZero");
    cboSearchSpaceZero_->setAccessibleName("searchSpaceZero");
    for (int i = 0; i < kSearchSpaceZeros; ++i) {
        cboSearchSpaceZero_->addItem(QString::number(i), i);
    }
    lblCoreset0_ = new QLabel(group);
    lblCoreset0_->setObjectName("lblCoreset0");
    lblCoreset0_->setWordWrap(true);
    lblCoreset0_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* grid = new QGridLayout(group);
    auto* coresetCaption = new QLabel("control&ResourceSetZero:", group);
    coresetCaption->setBuddy(cboCoreset0_);
    auto* searchCaption = new QLabel("searchSpace&Zero:", group);
    searchCaption->setBuddy(cboSearchSpaceZero_);
    grid->addWidget(coresetCaption, 0, 0);
    grid->addWidget(cboCoreset0_, 0, 1);
    grid->addWidget(searchCaption, 0, 2);
    grid->addWidget(cboSearchSpaceZero_, 0, 3);
    grid->addWidget(lblCoreset0_, 1, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    connect(cboCoreset0_, &QComboBox::activated, this, [this] {
        choice_.chooseCoreset0(cboCoreset0_->currentData().toInt());
        showChoice();
    });
    connect(cboSearchSpaceZero_, &QComboBox::activated, this, [this] {
        choice_.chooseSearchSpaceZero(cboSearchSpaceZero_->currentData().toInt());
        showChoice();
    });
    return group;
}

QGroupBox* CellPanel::buildConfiguration() {
    auto* group = new QGroupBox("Configuration", this);
    group->setObjectName("grpConfiguration");
    tblConfig_ = new QTableView(group);
    tblConfig_->setObjectName("tblConfig");
    tblConfig_->setAccessibleName("Configuration fields");
    tblConfig_->setModel(fields_);
    tblConfig_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblConfig_->setSelectionMode(QAbstractItemView::SingleSelection);
    tblConfig_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblConfig_->verticalHeader()->hide();
    tblConfig_->verticalHeader()->setDefaultSectionSize(tblConfig_->fontMetrics().height() + 6);
    tblConfig_->setColumnHidden(kMeaningColumn, true);
    tblConfig_->horizontalHeader()->setStretchLastSection(true);
    lblConfigMeaning_ = new QLabel(group);
    lblConfigMeaning_->setObjectName("lblConfigMeaning");
    lblConfigMeaning_->setWordWrap(true);
    lblConfigMeaning_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Two lines always, so that a longer meaning does not move the buttons.
    lblConfigMeaning_->setMinimumHeight(lblConfigMeaning_->fontMetrics().lineSpacing() * 2);
    lblConfigMeaning_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdConfigCopy_ = new QPushButton("Cop&y", group);
    cmdConfigCopy_->setObjectName("cmdConfigCopy");
    cmdConfigSave_ = new QPushButton("Sa&ve...", group);
    cmdConfigSave_->setObjectName("cmdConfigSave");
    cmdConfigCheck_ = new QPushButton("C&heck...", group);
    cmdConfigCheck_->setObjectName("cmdConfigCheck");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (auto* button : {cmdConfigCopy_, cmdConfigSave_, cmdConfigCheck_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(tblConfig_, 1);
    layout->addWidget(lblConfigMeaning_);
    layout->addLayout(buttons);
    connect(tblConfig_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CellPanel::showMeaning);
    connect(cmdConfigCopy_, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(toQString(configCsv())); });
    connect(cmdConfigSave_, &QPushButton::clicked, this, &CellPanel::save);
    connect(cmdConfigCheck_, &QPushButton::clicked, this, &CellPanel::check);
    return group;
}

void CellPanel::show(const BandwidthCarrier& carrier, const SsbChoice& ssb) {
    choice_.show(carrier, ssb);
    showChoice();
}

void CellPanel::clear() {
    choice_.clear();
    showChoice();
}

void CellPanel::showChoice() {
    {
        const QSignalBlocker quiet(cboCoreset0_);
        cboCoreset0_->clear();
        for (const int index : choice_.coreset0s()) {
            cboCoreset0_->addItem(QString::number(index), index);
        }
        if (const auto chosen = choice_.coreset0()) {
            cboCoreset0_->setCurrentIndex(cboCoreset0_->findData(*chosen));
        }
        cboCoreset0_->setEnabled(cboCoreset0_->count() > 0);
    }
    {
        const QSignalBlocker quiet(cboSearchSpaceZero_);
        cboSearchSpaceZero_->setCurrentIndex(choice_.searchSpaceZero());
        cboSearchSpaceZero_->setEnabled(choice_.coreset0().has_value());
    }
    const auto& config = choice_.config();
    fields_->setRows(config ? report::configRows(*config) : std::vector<report::FieldRow>{});
    fitColumns(tblConfig_);
    for (auto* button : {cmdConfigCopy_, cmdConfigSave_, cmdConfigCheck_}) {
        button->setEnabled(config.has_value());
    }
    if (!config || !config->coreset0) {
        lblCoreset0_->setText(config ? toQString(*config->noCoreset0)
                                     : toQString(choice_.problem()));
    } else {
        const auto& place = *config->coreset0;
        const auto& row = place.row;
        QString text = QString(
                           "Table %1: pattern %2, %3 RBs, %4 symbols, offset %5 RBs; %6 to "
                           "%7 MHz from common RB %8.")
                           .arg(toQString(place.table->name))
                           .arg(row.pattern)
                           .arg(row.resourceBlocks)
                           .arg(row.symbols)
                           .arg(place.offset)
                           .arg(mhz(numbers_, place.band.lowHz), mhz(numbers_, place.band.highHz))
                           .arg(place.firstCrb);
        const auto first = choice_.firstOccasion();
        text += first.value ? QString(" SS block 0: SIB1 PDCCH from slot %1, symbol %2%3.")
                                  .arg(first.value->slot)
                                  .arg(first.value->firstSymbol)
                                  .arg(first.value->sfnParity ? *first.value->sfnParity == 0
                                                                    ? " of even frames"
                                                                    : " of odd frames"
                                                              : "")
                            : " " + toQString(first.problem);
        lblCoreset0_->setText(text);
    }
    if (fields_->rowCount() > 0) {
        tblConfig_->selectRow(0);
    } else {
        lblConfigMeaning_->clear();
    }
    emit coreset0Changed();
}

void CellPanel::showMeaning() {
    const auto chosen = tblConfig_->selectionModel()->selectedRows();
    lblConfigMeaning_->setText(
        chosen.isEmpty() ? QString() : toQString(fields_->row(chosen.front().row()).meaning));
}

std::optional<HzSpan> CellPanel::coreset0Band() const {
    const auto& config = choice_.config();
    return config && config->coreset0 ? std::optional(config->coreset0->band) : std::nullopt;
}

std::string CellPanel::configCsv() const {
    std::vector<int> all(static_cast<std::size_t>(fields_->rowCount()));
    std::iota(all.begin(), all.end(), 0);
    return fields_->csv(all);
}

void CellPanel::save() {
    const QString path = savePath_();
    if (!path.isEmpty()) {
        saveText(path, configCsv(), alerts_);
    }
}

void CellPanel::check() {
    const auto& config = choice_.config();
    if (!config) {
        return;
    }
    GivenCell cell{config->carrier.band};
    for (const auto& row : fields_->rows()) {
        setGivenField(cell, row.field, row.value);
    }
    emit checkRequested(cell);
}

}  // namespace tarnvale

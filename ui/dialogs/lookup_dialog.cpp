#include "ui/dialogs/lookup_dialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "engine/band_table.h"
#include "engine/carrier_search.h"
#include "engine/lookup.h"
#include "ui/dialogs/lookup_query.h"
#include "ui/dialogs/lookup_results.h"
#include "ui/toolkit/alerts.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/saved_text.h"

namespace tarnvale {
namespace {

constexpr double kLargestToleranceKhz = 10000;

std::optional<Format> formatChosen(const QComboBox* box) {
    const int index = box->currentIndex() - 1;  // "All formats" comes first
    return index < 0 ? std::nullopt
                     : std::optional<Format>(kFormats[static_cast<std::size_t>(index)]);
}

}  // namespace

// The nearest carrier of each format the search found none of, nearest first, so that a
// frequency a little off every raster still leads somewhere: ". Nearest: NR n48 636667 at
// 3550.0050 MHz (+5 kHz)".
QString LookupDialog::nearestElsewhere(double mhz, std::optional<Format> only) const {
    const auto shown = results_.formatsShown();
    std::vector<CarrierMatch> nearest;
    for (const auto format : kFormats) {
        if ((only && *only != format) || std::ranges::find(shown, format) != shown.end()) {
            continue;
        }
        if (const auto match = nearestCarrier(mhz, format)) {
            nearest.push_back(*match);
        }
    }
    std::ranges::stable_sort(nearest, {},
                             [](const CarrierMatch& m) { return std::abs(m.offsetKhz); });
    QStringList texts;
    for (const auto& m : nearest) {
        const QString away = std::abs(m.offsetKhz) < 1000
                                 ? numbers_.number(m.offsetKhz) + " kHz"
                                 : numbers_.number(m.offsetKhz / 1000) + " MHz";
        texts << QString("%1 %2 %3 at %4 MHz (%5%6)")
                     .arg(toQString(m.band.formatName()), toQString(m.band.name()))
                     .arg(m.channel)
                     .arg(numbers_.megahertz(m.frequencyMhz), m.offsetKhz > 0 ? "+" : "", away);
    }
    return texts.isEmpty() ? QString() : ". Nearest: " + texts.join("; ");
}

LookupDialog::LookupDialog(Alerts& alerts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint),
      alerts_(alerts),
      numbers_(QLocale()),
      results_(this) {
    setObjectName("frmLookup");
    setWindowTitle("Channel Lookup");
    setFont(windowFont());
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    buildLayout();
    savePath_ = [this] {
        return QFileDialog::getSaveFileName(this, "Save Results", "lookup.csv",
                                            "CSV files (*.csv);;All files (*)");
    };
    lookUp();
}

void LookupDialog::buildLayout() {
    txtLookup_ = new QLineEdit(this);
    txtLookup_->setObjectName("txtLookup");
    txtLookup_->setPlaceholderText("e.g. 512, 632628 or 1930.2 MHz");
    cboFormat_ = new QComboBox(this);
    cboFormat_->setObjectName("cboFormat");
    cboFormat_->addItem("All formats");
    for (const auto format : kFormats) {
        cboFormat_->addItem(toQString(formatName(format)));
    }
    spnTolerance_ = new QDoubleSpinBox(this);
    spnTolerance_->setObjectName("spnTolerance");
    spnTolerance_->setRange(0, kLargestToleranceKhz);
    spnTolerance_->setDecimals(1);
    spnTolerance_->setSuffix(" kHz");
    spnTolerance_->setToolTip("For a frequency: carriers this near; 0 asks for equal ones");

    tblResults_ = new QTableView(this);
    tblResults_->setObjectName("tblResults");
    tblResults_->setModel(results_.model());
    tblResults_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblResults_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblResults_->verticalHeader()->hide();
    tblResults_->verticalHeader()->setDefaultSectionSize(tblResults_->fontMetrics().height() + 6);
    // Each column as wide as its widest text: the spare width stays at the right.
    tblResults_->horizontalHeader()->setStretchLastSection(false);
    tblResults_->setContextMenuPolicy(Qt::ActionsContextMenu);
    tblResults_->setAccessibleName("Results");

    lblLookupStatus_ = new QLabel(this);
    lblLookupStatus_->setObjectName("lblLookupStatus");
    lblLookupStatus_->setWordWrap(true);
    lblLookupStatus_->setAccessibleName("Lookup status");
    cmdSave_ = new QPushButton("Save...", this);
    cmdSave_->setObjectName("cmdSave");
    cmdSave_->setAutoDefault(false);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("cmdClose");
    close->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow("&Channel or frequency:", txtLookup_);
    form->addRow("&Format:", cboFormat_);
    form->addRow("&Tolerance:", spnTolerance_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblLookupStatus_, 1);
    buttons->addWidget(cmdSave_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(tblResults_, 1);
    layout->addLayout(buttons);
    // Narrow enough to stand beside the main window on a screen 1920 pixels wide.
    resize(670, 420);

    auto* copy = new QAction("Copy", tblResults_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    tblResults_->addAction(copy);
    connect(copy, &QAction::triggered, this, &LookupDialog::copySelection);
    connect(txtLookup_, &QLineEdit::textChanged, this, &LookupDialog::lookUp);
    connect(cboFormat_, &QComboBox::currentIndexChanged, this, &LookupDialog::lookUp);
    connect(spnTolerance_, &QDoubleSpinBox::valueChanged, this, &LookupDialog::lookUp);
    connect(tblResults_, &QTableView::doubleClicked, this, &LookupDialog::choose);
    connect(cmdSave_, &QPushButton::clicked, this, &LookupDialog::save);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    setTabOrder(txtLookup_, cboFormat_);
    setTabOrder(cboFormat_, spnTolerance_);
    setTabOrder(spnTolerance_, tblResults_);
    setTabOrder(tblResults_, cmdSave_);
    setTabOrder(cmdSave_, close);
}

// The engine answers in microseconds, so every change of the text or the filters looks again.
void LookupDialog::lookUp() {
    const auto query = readLookupQuery(txtLookup_->text(), numbers_);
    const auto format = formatChosen(cboFormat_);
    switch (query.kind) {
        case LookupQuery::Kind::Nothing:
            results_.clear();
            lblLookupStatus_->setText("Type a channel number or a frequency in MHz");
            break;
        case LookupQuery::Kind::Unreadable:
            results_.clear();
            lblLookupStatus_->setText(query.problem);
            break;
        case LookupQuery::Kind::Channel: {
            results_.showChannels(lookupChannel(query.channel, format));
            const int found = results_.rowCount();
            lblLookupStatus_->setText(found == 0
                                          ? QString("No band has channel %1").arg(query.channel)
                                          : QString("%1 for channel %2")
                                                .arg(counted(found, "band", "bands"))
                                                .arg(query.channel));
            break;
        }
        case LookupQuery::Kind::Frequency: {
            const double khz = spnTolerance_->value();
            results_.showCarriers(findCarriers(query.frequencyMhz, khz, format));
            // A frequency past every band is echoed as typed: its digits may be many.
            const bool beyond = query.frequencyMhz > highestCarrierMhz();
            const QString at =
                (beyond ? query.typedFrequency : numbers_.megahertz(query.frequencyMhz)) + " MHz";
            const QString highest = QString(": the highest carrier of any band is at %1 MHz")
                                        .arg(numbers_.megahertz(highestCarrierMhz()));
            const int found = results_.rowCount();
            const QString what =
                found == 0
                    ? "No carrier at " + at + (beyond ? highest : QString())
                    : QString("%1 %2 %3")
                          .arg(counted(found, "carrier", "carriers"),
                               khz == 0 ? "at" : "within " + numbers_.number(khz) + " kHz of", at);
            lblLookupStatus_->setText(beyond ? what
                                             : what + nearestElsewhere(query.frequencyMhz, format));
            break;
        }
    }
    if (tblResults_->model() != results_.model()) {
        // The view makes a selection model for each model it is given and keeps the old one.
        QItemSelectionModel* old = tblResults_->selectionModel();
        tblResults_->setModel(results_.model());
        delete old;
    }
    tblResults_->resizeColumnsToContents();
    cmdSave_->setEnabled(results_.rowCount() > 0);
}

// Rows of the window's own formats are shown there; the others have no place in it and are
// told in the status line.
void LookupDialog::choose(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    const auto r = results_.channelOf(index.row());
    if (!r) {
        return;
    }
    if (r->band.plan<ClassicPlan>() != nullptr) {
        emit classicChannelChosen(*r);
        return;
    }
    const auto carrier = [this](const std::optional<Carrier>& c, std::optional<Channel> n) {
        return c ? QString("%1 MHz (channel %2)").arg(numbers_.megahertz(c->mhz)).arg(*n)
                 : QString("none");
    };
    lblLookupStatus_->setText(QString("%1 %2: downlink %3, uplink %4, %5")
                                  .arg(toQString(r->band.formatName()), toQString(r->band.name()),
                                       carrier(r->downlinkCarrier, r->downlinkChannel),
                                       carrier(r->uplinkCarrier, r->uplinkChannel),
                                       toQString(duplexName(r->band.duplex()))));
    emit carrierChannelChosen(*r);
}

std::vector<int> LookupDialog::selectedRows() const {
    std::vector<int> rows;
    for (const auto& index : tblResults_->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::ranges::sort(rows);
    return rows;
}

void LookupDialog::copySelection() {
    const auto rows = selectedRows();
    if (!rows.empty()) {
        QApplication::clipboard()->setText(toQString(results_.csv(rows)));
    }
}

void LookupDialog::save() {
    const QString path = savePath_();
    if (path.isEmpty()) {
        return;
    }
    std::vector<int> all(static_cast<std::size_t>(results_.rowCount()));
    std::iota(all.begin(), all.end(), 0);
    if (!saveText(path, results_.csv(all), alerts_)) {
        return;
    }
    lblLookupStatus_->setText(
        QString("Saved %1 to %2").arg(counted(results_.rowCount(), "row", "rows"), path));
}

// Enter on a row chooses it rather than pressing a button.
void LookupDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && tblResults_->hasFocus()) {
        choose(tblResults_->currentIndex());
        return;
    }
    if (enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tarnvale

#include "ui/dialogs/carrier_dialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>
#include <utility>

#include "engine/band_table.h"
#include "engine/format.h"
#include "engine/number_text.h"
#include "ui/dialogs/cell_panel.h"
#include "ui/spectrum/carrier_picture.h"
#include "ui/toolkit/alerts.h"
#include "ui/toolkit/channel_keys.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/saved_text.h"
#include "ui/toolkit/text_box.h"
#include "ui/toolkit/window_copy.h"

namespace tarnvale {
namespace {

using namespace keycode;

constexpr int kMaxTypedLength = 7;  // NR-ARFCNs run to 3279165

QLabel* resultLabel(const char* name, const char* accessibleName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAccessibleName(accessibleName);
    return label;
}

template <typename Widget>
Widget* named(Widget* widget, const char* name, const char* accessibleName) {
    widget->setObjectName(name);
    widget->setAccessibleName(accessibleName);
    return widget;
}

}  // namespace

CarrierDialog::CarrierDialog(Alerts& alerts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint),
      alerts_(alerts),
      numbers_(QLocale()),
      ssbRows_(new RowsModel<report::kSsbColumns>(this)) {
    setObjectName("frmCarrier");
    setWindowTitle("Carrier");
    setFont(windowFont());
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    buildLayout();
    connectControls();
    letWindowCopy(this);
    savePath_ = [this] {
        return QFileDialog::getSaveFileName(this, "Save Results", "carrier.csv",
                                            "CSV files (*.csv);;All files (*)");
    };
    showChoice();
    txtCarrierChannel_->setFocus();
}

QGridLayout* CarrierDialog::buildChoices() {
    cboCarrierFormat_ = named(new QComboBox(this), "cboCarrierFormat", "Format");
    for (const auto format : kBandwidthFormats) {
        cboCarrierFormat_->addItem(toQString(formatName(format)));
    }
    cboCarrierBand_ = named(new QComboBox(this), "cboCarrierBand", "Band");
    cboCarrierBand_->setMaxVisibleItems(20);
    cboBandwidth_ = named(new QComboBox(this), "cboBandwidth", "Channel bandwidth");
    cboScs_ = named(new QComboBox(this), "cboScs", "Subcarrier spacing");
    txtCarrierChannel_ = named(new TextBox(QString(), this), "txtCarrierChannel", "Channel");
    txtCarrierChannel_->setToolTip(
        "+ and - step through the valid channels, B and T go to the "
        "first and last");
    spnOffsetToCarrier_ = named(new QSpinBox(this), "spnOffsetToCarrier", "Offset to carrier");
    spnOffsetToCarrier_->setRange(0, kLargestOffsetToCarrier);
    spnOffsetToCarrier_->setSuffix(" RBs");
    spnOffsetToCarrier_->setToolTip(
        "offsetToCarrier: resource blocks from Point A to the "
        "carrier's lowest subcarrier");

    auto* choices = new QGridLayout;
    const auto addPair = [&](int row, int column, const char* caption, QWidget* field) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        choices->addWidget(label, row, column * 2);
        choices->addWidget(field, row, column * 2 + 1);
    };
    addPair(0, 0, "&Format:", cboCarrierFormat_);
    addPair(0, 1, "&Band:", cboCarrierBand_);
    addPair(1, 0, "Band&width:", cboBandwidth_);
    addPair(1, 1, "&Subcarrier spacing:", cboScs_);
    addPair(2, 0, "&Channel:", txtCarrierChannel_);
    addPair(2, 1, "&Offset to carrier:", spnOffsetToCarrier_);
    choices->setColumnStretch(1, 1);
    choices->setColumnStretch(3, 1);
    return choices;
}

// The carrier reads top to bottom on the left: what is chosen, the results, the picture and the
// SS block positions, which take the spare height. An NR carrier's cell stands on the right.
void CarrierDialog::buildLayout() {
    lblCarrierChannels_ = new QLabel(this);
    lblCarrierChannels_->setObjectName("lblCarrierChannels");
    lblCarrierChannels_->setWordWrap(true);
    picCarrier_ = new CarrierPicture(this);
    tblSsb_ = named(new QTableView(this), "tblSsb", "SS block positions");
    tblSsb_->setModel(ssbRows_);
    tblSsb_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblSsb_->setSelectionMode(QAbstractItemView::SingleSelection);
    tblSsb_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblSsb_->verticalHeader()->hide();
    tblSsb_->verticalHeader()->setDefaultSectionSize(tblSsb_->fontMetrics().height() + 6);
    tblSsb_->setMinimumHeight(tblSsb_->verticalHeader()->defaultSectionSize() * 5);
    tblSsb_->horizontalHeader()->setStretchLastSection(true);
    lblSsbNone_ = new QLabel(this);
    lblSsbNone_->setObjectName("lblSsbNone");
    lblSsbNone_->setWordWrap(true);
    cellPanel_ = new CellPanel(alerts_, this);
    cellPanel_->setObjectName("pnlCell");

    lblCarrierStatus_ = new QLabel(this);
    lblCarrierStatus_->setObjectName("lblCarrierStatus");
    lblCarrierStatus_->setWordWrap(true);
    cmdCarrierSave_ = new QPushButton("Save...", this);
    cmdCarrierSave_->setObjectName("cmdCarrierSave");
    cmdCarrierSave_->setAutoDefault(false);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("cmdCarrierClose");
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblCarrierStatus_, 1);
    buttons->addWidget(cmdCarrierSave_);
    buttons->addWidget(close);

    auto* carrier = new QVBoxLayout;
    carrier->addLayout(buildChoices());
    carrier->addWidget(lblCarrierChannels_);
    carrier->addWidget(buildResults());
    carrier->addWidget(picCarrier_, 0, Qt::AlignHCenter);
    carrier->addWidget(lblSsbNone_);
    carrier->addWidget(tblSsb_, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(carrier, 0);
    columns->addWidget(cellPanel_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    setTabOrder(cboCarrierFormat_, cboCarrierBand_);
    setTabOrder(cboCarrierBand_, cboBandwidth_);
    setTabOrder(cboBandwidth_, cboScs_);
    setTabOrder(cboScs_, txtCarrierChannel_);
    setTabOrder(txtCarrierChannel_, spnOffsetToCarrier_);
    setTabOrder(spnOffsetToCarrier_, tblSsb_);
    setTabOrder(tblSsb_, cellPanel_);
    setTabOrder(cellPanel_, cmdCarrierSave_);
    setTabOrder(cmdCarrierSave_, close);
}

QGroupBox* CarrierDialog::buildResults() {
    auto* frame = new QGroupBox("Carrier", this);
    frame->setObjectName("frmCarrierResults");
    lblCarrierDl_ = resultLabel("lblCarrierDl", "Downlink", frame);
    lblCarrierUl_ = resultLabel("lblCarrierUl", "Uplink", frame);
    lblCarrierEdges_ = resultLabel("lblCarrierEdges", "Edges", frame);
    lblPointA_ = resultLabel("lblPointA", "Point A", frame);
    auto* form = new QFormLayout(frame);
    form->addRow("Downlink:", lblCarrierDl_);
    form->addRow("Uplink:", lblCarrierUl_);
    form->addRow("Edges:", lblCarrierEdges_);
    form->addRow("Point A:", lblPointA_);

    auto* copy = new QAction("Copy Results", this);
    copy->setObjectName("mnuCarrierCopy");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    addAction(copy);
    connect(copy, &QAction::triggered, this, &CarrierDialog::copyResults);
    for (QWidget* holder : {static_cast<QWidget*>(frame), static_cast<QWidget*>(picCarrier_)}) {
        holder->setContextMenuPolicy(Qt::ActionsContextMenu);
        holder->addAction(copy);
    }
    return frame;
}

void CarrierDialog::connectControls() {
    connect(cboCarrierFormat_, &QComboBox::activated, this, [this](int index) {
        choice_.chooseFormat(kBandwidthFormats[static_cast<std::size_t>(index)]);
        showChoice();
    });
    connect(cboCarrierBand_, &QComboBox::activated, this, [this](int index) {
        choice_.chooseBand(bandsOf(choice_.format())[static_cast<std::size_t>(index)]);
        showChoice();
    });
    connect(cboBandwidth_, &QComboBox::activated, this, [this] {
        choice_.chooseBandwidth(cboBandwidth_->currentData().toInt());
        showChoice();
    });
    connect(cboScs_, &QComboBox::activated, this, [this] {
        choice_.chooseSpacing(cboScs_->currentData().toInt());
        showChoice();
    });
    connect(spnOffsetToCarrier_, &QSpinBox::valueChanged, this, [this](int rbs) {
        choice_.chooseOffsetToCarrier(rbs);
        showChoice();
    });
    txtCarrierChannel_->setKeyPressHandler([this](int& keyAscii) { channelKeyPress(keyAscii); });
    connect(txtCarrierChannel_, &TextBox::stepRequested, this,
            [this](int direction) { stepped(choice_.step(direction)); });
    connect(tblSsb_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CarrierDialog::showCell);
    connect(cellPanel_, &CellPanel::coreset0Changed, this, &CarrierDialog::showPicture);
    connect(cellPanel_, &CellPanel::checkRequested, this, &CarrierDialog::checkRequested);
    connect(cmdCarrierSave_, &QPushButton::clicked, this, &CarrierDialog::save);
}

void CarrierDialog::showChannel(BandRef band, Channel channel) {
    choice_.showChannel(band, channel);
    showChoice();
}

void CarrierDialog::showCarrier(BandRef band, Channel channel, const CarrierShape& shape,
                                std::optional<Channel> gscn) {
    choice_.showChannel(band, channel);
    choice_.chooseBandwidth(shape.bandwidthKhz);
    choice_.chooseSpacing(shape.scsKhz);
    choice_.chooseOffsetToCarrier(shape.offsetToCarrier);
    showChoice();
    const auto& rows = ssbRows_->rows();
    const auto found = std::ranges::find_if(
        rows, [gscn](const SsbChoice& row) { return gscn && row.position.gscn == *gscn; });
    if (found != rows.end()) {
        tblSsb_->selectRow(static_cast<int>(found - rows.begin()));
    }
}

// The view's shape follows the format: an NR carrier has its SS block positions and cell, which
// take any spare room; an LTE or UMTS carrier has its rows alone, so the window is as tall as
// they are and no gap opens between them.
void CarrierDialog::fitToFormat(bool nr) {
    if (nrView_ == nr) {
        return;
    }
    nrView_ = nr;
    cellPanel_->setVisible(nr);
    tblSsb_->setVisible(nr);
    // The least size is the layout's own, as its contents ask; only an LTE or UMTS view fixes
    // its height (in showChoice(), as its rows then read).
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    layout()->activate();
    if (nr) {
        // Whole on the screen, with room for the window's frame.
        constexpr int kFrame = 60;
        QSize size = sizeHint().expandedTo(minimumSizeHint());
        if (const QScreen* shown = screen()) {
            size = size.boundedTo(shown->availableGeometry().size() - QSize(kFrame, kFrame));
        }
        resize(size);
    } else {
        lblSsbNone_->hide();
        resize(minimumSizeHint());
    }
    resizedForFormat_ = true;
}

// The lists as the choice has them, filled without signalling a choice of their own.
void CarrierDialog::showChoice() {
    const auto fill = [](QComboBox* box, const auto& values, const auto& text, auto current) {
        const QSignalBlocker quiet(box);
        box->clear();
        for (const auto value : values) {
            box->addItem(text(value), value);
        }
        box->setCurrentIndex(box->findData(current));
    };
    const auto format = std::ranges::find(kBandwidthFormats, choice_.format());
    {
        const QSignalBlocker quiet(cboCarrierFormat_);
        cboCarrierFormat_->setCurrentIndex(static_cast<int>(format - kBandwidthFormats.begin()));
    }
    std::vector<int> bands(bandsOf(choice_.format()).size());
    std::iota(bands.begin(), bands.end(), 0);
    const auto& all = bandsOf(choice_.format());
    const auto band = std::ranges::find(all, choice_.band()) - all.begin();
    fill(
        cboCarrierBand_, bands,
        [&all](int i) { return toQString(all[static_cast<std::size_t>(i)].name()); },
        static_cast<int>(band));
    fill(
        cboBandwidth_, choice_.bandwidths(),
        [this](std::int32_t khz) { return numbers_.number(khz / 1000.0) + " MHz"; },
        choice_.bandwidthKhz());
    cboBandwidth_->setEnabled(cboBandwidth_->count() > 1);
    fill(
        cboScs_, choice_.spacings(), [](std::int32_t scs) { return QString("%1 kHz").arg(scs); },
        choice_.scsKhz());
    cboScs_->setEnabled(choice_.choosesSpacing());
    {
        const QSignalBlocker quiet(spnOffsetToCarrier_);
        spnOffsetToCarrier_->setValue(choice_.offsetToCarrier());
        spnOffsetToCarrier_->setEnabled(choice_.format() == Format::Nr);
    }
    if (!choice_.channels().empty()) {
        txtCarrierChannel_->setText(toQString(channelText(choice_.channels().at(choice_.index()))));
    }
    if (choice_.carrier()) {
        showCarrier();
    } else {
        showNoCarrier();
    }
    if (!nrView_.value_or(false)) {
        // Exactly as tall as the rows as they now read: a label that wraps changes that.
        layout()->activate();
        const int height = layout()->totalMinimumSize().height();
        setMinimumSize(0, height);
        setMaximumHeight(height);
    }
    if (std::exchange(resizedForFormat_, false)) {
        emit viewResized();
    }
}

// Grown by its contents (a table's widths, a label's lines) rather than by the user, whose
// window keeps more than its least size, the window may need another place.
void CarrierDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const QSize grown = event->size() - event->oldSize();
    const bool forced = (grown.width() > 0 && width() == minimumWidth()) ||
                        (grown.height() > 0 && height() == minimumHeight());
    if (event->oldSize().isValid() && forced) {
        emit viewResized();
    }
}

void CarrierDialog::channelKeyPress(int& keyAscii) {
    const ChannelKey key = channelKeyOf(keyAscii);
    if (key == ChannelKey::Backspace || key == ChannelKey::Escape || key == ChannelKey::Edit) {
        return;  // Escape goes on to the window, which closes
    }
    if (key == ChannelKey::Paste) {
        keyAscii = kCancel;
        if (!pasteChannel(*txtCarrierChannel_, kMaxTypedLength)) {
            alerts_.beep();
        }
        return;
    }
    if (key == ChannelKey::Digit) {
        if (txtCarrierChannel_->text().size() >= kMaxTypedLength &&
            !txtCarrierChannel_->hasSelectedText()) {
            keyAscii = kCancel;
        }
        return;
    }
    keyAscii = kCancel;
    switch (key) {
        case ChannelKey::Enter:
            enterTypedChannel();
            break;
        case ChannelKey::Next:
            stepped(choice_.step(+1));
            break;
        case ChannelKey::Previous:
            stepped(choice_.step(-1));
            break;
        case ChannelKey::First:
            stepped(choice_.goToFirst());
            break;
        case ChannelKey::Last:
            stepped(choice_.goToLast());
            break;
        default:
            break;
    }
}

// A number that is no valid carrier is refused with the reason, which names the nearest valid
// channel, and the channel shown before comes back.
void CarrierDialog::enterTypedChannel() {
    if (choice_.channels().empty()) {
        alerts_.beep();
        return;
    }
    const QString text = txtCarrierChannel_->text();
    if (!text.isEmpty()) {
        if (const auto problem = choice_.enterChannel(text.toStdString())) {
            alerts_.warn(toQString(*problem), "Invalid Channel");
        }
    }
    showChoice();
    txtCarrierChannel_->setFocus();
    txtCarrierChannel_->selectAll();
}

// A step past either end beeps; the first and last beep only where there is no channel.
void CarrierDialog::stepped(bool moved) {
    if (moved) {
        showChoice();
    } else {
        alerts_.beep();
    }
}

void CarrierDialog::copyResults() {
    if (choice_.carrier()) {
        QApplication::clipboard()->setText(toQString(carrierCsv()));
    }
}

void CarrierDialog::save() {
    const QString path = savePath_();
    if (path.isEmpty() || !choice_.carrier()) {
        return;
    }
    std::vector<int> all(static_cast<std::size_t>(ssbRows_->rowCount()));
    std::iota(all.begin(), all.end(), 0);
    const std::string carrier = carrierCsv();
    const std::string text = all.empty() ? carrier : carrier + "\n" + ssbRows_->csv(all);
    if (!saveText(path, text, alerts_)) {
        return;
    }
    const auto carrierRows = std::count(carrier.begin(), carrier.end(), '\n') - 1;
    lblCarrierStatus_->setText(
        QString("Saved %1 and %2 to %3")
            .arg(counted(carrierRows, "carrier row", "carrier rows"),
                 counted(static_cast<qsizetype>(all.size()), "SS block row", "SS block rows"),
                 path));
}

// Enter belongs to the channel box; Escape closes, as in the other dialogs.
void CarrierDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tarnvale

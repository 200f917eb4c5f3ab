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
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "engine/format.h"
#include "ui/spectrum/carrier_picture.h"
#include "ui/toolkit/alerts.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/saved_text.h"
#include "ui/toolkit/text_box.h"

namespace tarnvale {
namespace {

constexpr int kLargestOffsetToCarrier = 2199;

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
    savePath_ = [this] {
        return QFileDialog::getSaveFileName(this, "Save Results", "carrier.csv",
                                            "CSV files (*.csv);;All files (*)");
    };
    formatChosen();
    txtCarrierChannel_->setFocus();
}

void CarrierDialog::buildLayout() {
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
    lblCarrierChannels_ = new QLabel(this);
    lblCarrierChannels_->setObjectName("lblCarrierChannels");
    lblCarrierChannels_->setWordWrap(true);

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

    picCarrier_ = new CarrierPicture(this);
    tblSsb_ = named(new QTableView(this), "tblSsb", "SS block positions");
    tblSsb_->setModel(ssbRows_);
    tblSsb_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblSsb_->setSelectionMode(QAbstractItemView::SingleSelection);
    tblSsb_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblSsb_->verticalHeader()->hide();
    tblSsb_->verticalHeader()->setDefaultSectionSize(tblSsb_->fontMetrics().height() + 6);
    tblSsb_->setMinimumHeight(tblSsb_->verticalHeader()->defaultSectionSize() * 7);

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

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(lblCarrierChannels_);
    layout->addWidget(buildResults());
    layout->addWidget(picCarrier_, 0, Qt::AlignHCenter);
    layout->addWidget(tblSsb_, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    setTabOrder(cboCarrierFormat_, cboCarrierBand_);
    setTabOrder(cboCarrierBand_, cboBandwidth_);
    setTabOrder(cboBandwidth_, cboScs_);
    setTabOrder(cboScs_, txtCarrierChannel_);
    setTabOrder(txtCarrierChannel_, spnOffsetToCarrier_);
    setTabOrder(spnOffsetToCarrier_, tblSsb_);
    setTabOrder(tblSsb_, cmdCarrierSave_);
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
    connect(cboCarrierFormat_, &QComboBox::currentIndexChanged, this, &CarrierDialog::formatChosen);
    connect(cboCarrierBand_, &QComboBox::activated, this, &CarrierDialog::bandChosen);
    connect(cboBandwidth_, &QComboBox::activated, this, &CarrierDialog::bandwidthChosen);
    connect(cboScs_, &QComboBox::activated, this, &CarrierDialog::shapeChosen);
    connect(spnOffsetToCarrier_, &QSpinBox::valueChanged, this, &CarrierDialog::shapeChosen);
    txtCarrierChannel_->setKeyPressHandler([this](int& keyAscii) { channelKeyPress(keyAscii); });
    connect(txtCarrierChannel_, &TextBox::stepRequested, this, &CarrierDialog::step);
    connect(tblSsb_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CarrierDialog::showPicture);
    connect(cmdCarrierSave_, &QPushButton::clicked, this, &CarrierDialog::save);
}

void CarrierDialog::showChannel(BandRef band, Channel channel) {
    const auto format = std::ranges::find(kBandwidthFormats, band.format());
    if (format == kBandwidthFormats.end()) {
        return;
    }
    cboCarrierFormat_->setCurrentIndex(static_cast<int>(format - kBandwidthFormats.begin()));
    cboCarrierBand_->setCurrentText(toQString(band.name()));
    const auto shape = narrowestShapeAt(band, channel);
    fillBandwidths(shape ? shape->bandwidthKhz : 0);
    fillSpacings(shape ? shape->scsKhz : 0);
    shapeChosen();
    if (!shape_ || channels_.empty()) {
        return;
    }
    if (const auto carrier = carrierAt(band, channel, *shape_).value) {
        const auto& side = carrier->downlink ? carrier->downlink : carrier->uplink;
        showListed(*channels_.indexOf(side->channel));
    } else if (const auto nearest = channels_.nearest(channel)) {
        showListed(*channels_.indexOf(*nearest));
    }
}

void CarrierDialog::copyResults() {
    if (carrier_) {
        QApplication::clipboard()->setText(toQString(carrierCsv()));
    }
}

void CarrierDialog::save() {
    const QString path = savePath_();
    if (path.isEmpty() || !carrier_) {
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

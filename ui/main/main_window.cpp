#include "ui/main/main_window.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <array>

#include "engine/band_table.h"
#include "engine/channel_list.h"
#include "engine/channel_record.h"
#include "engine/number_text.h"
#include "engine/version.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/carrier_dialog.h"
#include "ui/dialogs/check_dialog.h"
#include "ui/dialogs/keyboard_shortcuts_dialog.h"
#include "ui/dialogs/lookup_dialog.h"
#include "ui/dialogs/window_placement.h"
#include "ui/main/captioned_band.h"
#include "ui/spectrum/spectrum_items.h"
#include "ui/toolkit/fitted_title.h"
#include "ui/toolkit/option_click.h"
#include "ui/toolkit/painted_items.h"
#include "ui/toolkit/program_icon.h"
#include "ui/toolkit/text_box.h"

namespace tarnvale {

MainWindow::MainWindow(Alerts& alerts, QWidget* parent)
    : QMainWindow(parent), alerts_(alerts), numbers_(QLocale()) {
    setObjectName("frmCalcFreq");
    setWindowTitle("Tarnvale  vX.XX");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    c_ = buildMainWindowLayout(this);
    connectControls();
}

MainWindow::~MainWindow() {
    delete about_;
    delete shortcuts_;
    delete lookup_;
    delete carrier_;
}

void MainWindow::connectControls() {
    for (int i = 0; i < kFormatOptions; ++i) {
        onOptionClick(c_.optFormat[i], [this, i] { optFormat_Click(i); });
    }
    for (int i = 0; i < kBandOptions; ++i) {
        onOptionClick(c_.optBand[i], [this, i] { optBand_Click(i); });
    }
    // A thumb drag scrolls through the positions; every other move is a change, and so is
    // the end of a drag.
    connect(c_.sbFreq, &QScrollBar::valueChanged, this, [this] {
        if (c_.sbFreq->isSliderDown()) {
            sbFreq_Scroll();
        } else {
            sbFreq_Change();
        }
    });
    connect(c_.sbFreq, &QScrollBar::sliderReleased, this, &MainWindow::sbFreq_Change);
    c_.txtChan->setKeyPressHandler([this](int& keyAscii) { txtChan_KeyPress(keyAscii); });
    connect(c_.txtChan, &TextBox::clicked, this, &MainWindow::txtChan_Click);
    connect(c_.txtChan, &TextBox::stepRequested, this, &MainWindow::stepChannel);
    connect(c_.cmdExit, &QPushButton::clicked, this, &MainWindow::cmdExit_Click);
    connect(c_.mnuExit, &QAction::triggered, this, &MainWindow::mnuExit_Click);
    connect(c_.mnuAbout, &QAction::triggered, this, &MainWindow::mnuAbout_Click);
    connect(c_.mnuKbdShortcuts, &QAction::triggered, this, &MainWindow::mnuKbdShortcuts_Click);
    connect(c_.mnuCopyResults, &QAction::triggered, this, &MainWindow::copyResults);
    connect(c_.mnuLookup, &QAction::triggered, this, &MainWindow::mnuLookup_Click);
    connect(c_.mnuCarrier, &QAction::triggered, this, &MainWindow::mnuCarrier_Click);
    connect(c_.mnuCheck, &QAction::triggered, this, &MainWindow::mnuCheck_Click);
}

void MainWindow::Form_Load() {
    state_.Ver = toQString(kVersion);
    state_.Ver_Date = toQString(kVersionDate);
    if (const QScreen* screen = this->screen()) {
        adjustSize();
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    optFormat_Click(0);
    setWindowTitle("Tarnvale  v" + state_.Ver);
}

// Decoding the icon makes Qt load every image plugin, so it waits until the window is on
// screen.
void MainWindow::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (!iconSet_) {
        iconSet_ = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(programIcon()); });
    }
}

void MainWindow::optFormat_Click(int index) {
    for (auto* option : c_.optBand) {
        option->setText(QString());
    }
    const auto format = kFormats[static_cast<std::size_t>(index)];
    state_.RadioFormat = toQString(formatName(format));
    const auto bands = bandsOf(format);
    for (std::size_t k = 0; k < bands.size(); ++k) {
        c_.optBand[k]->setText(toQString(bands[k].name()));
    }
    for (auto* option : c_.optBand) {
        option->setVisible(!option->text().isEmpty());
    }
    // Selecting option 0 runs its handler when it was not selected; it runs once more here.
    c_.optBand[0]->setChecked(true);
    optBand_Click(0);
}

void MainWindow::optBand_Click(int index) {
    state_.BandName = c_.optBand[index]->text();
    LoadChannelPlan();
    CalculateFrequencies();
    DrawBandWindow();
}

void MainWindow::sbFreq_Change() {
    state_.CurChannel = state_.ChanList[static_cast<std::size_t>(c_.sbFreq->value())];
    CalculateFrequencies();
}

void MainWindow::sbFreq_Scroll() {
    sbFreq_Change();
}

void MainWindow::cmdExit_Click() {
    endProgram();
}

void MainWindow::mnuExit_Click() {
    endProgram();
}

// Ends the program at once, closing the dialogs too.
void MainWindow::endProgram() {
    for (QWidget* dialog : {static_cast<QWidget*>(about_), static_cast<QWidget*>(shortcuts_),
                            static_cast<QWidget*>(lookup_), static_cast<QWidget*>(carrier_),
                            static_cast<QWidget*>(check_)}) {
        if (dialog != nullptr) {
            dialog->close();
        }
    }
    close();
    emit programEnded();
}

// The dialogs are windows of their own, so one left open keeps the program running after the
// main window's close box; each command shows the one instance there is.
void MainWindow::mnuAbout_Click() {
    if (about_ == nullptr) {
        about_ = new AboutDialog(*this);
    }
    showDialog(about_);
}

void MainWindow::mnuKbdShortcuts_Click() {
    if (shortcuts_ == nullptr) {
        shortcuts_ = new KeyboardShortcutsDialog();
        // Where its layout puts it, over the main window, unless a tool window stands there.
        const QRect place = shortcuts_->frameGeometry();
        const bool overTool = std::ranges::any_of(
            std::array<QWidget*, 3>{lookup_, carrier_, check_}, [&place](const QWidget* tool) {
                return tool != nullptr && tool->isVisible() &&
                       tool->frameGeometry().intersects(place);
            });
        if (overTool) {
            placeBeside(shortcuts_, this, Side::Right);
        }
    }
    showDialog(shortcuts_);
}

// Built on first use, so that start-up does not pay for it, and placed beside the window, so
// that a channel it shows there is in sight.
void MainWindow::mnuLookup_Click() {
    if (lookup_ == nullptr) {
        lookup_ = new LookupDialog(alerts_);
        connect(lookup_, &LookupDialog::classicChannelChosen, this, &MainWindow::showChannel);
        connect(lookup_, &LookupDialog::carrierChannelChosen, this, &MainWindow::showCarrier);
        placeBeside(lookup_, this, Side::Right);
    }
    showDialog(lookup_);
}

void MainWindow::mnuCarrier_Click() {
    if (carrier_ == nullptr) {
        carrier_ = new CarrierDialog(alerts_);
        connect(carrier_, &CarrierDialog::checkRequested, this, &MainWindow::checkCell);
        // A view that grows (NR's SS blocks and cell) is placed again where it would cover
        // another window or leave the screen.
        connect(carrier_, &CarrierDialog::viewResized, this, [this] {
            if (carrier_->isVisible() && !standsClear(carrier_)) {
                placeBeside(carrier_, this, Side::Left);
            }
        });
        placeBeside(carrier_, this, Side::Left);
    }
    showDialog(carrier_);
}

void MainWindow::mnuCheck_Click() {
    if (check_ == nullptr) {
        check_ = new CheckDialog(alerts_);
        connect(check_, &CheckDialog::carrierRequested, this,
                [this](BandRef band, Channel channel, const CarrierShape& shape,
                       std::optional<Channel> gscn) {
                    mnuCarrier_Click();
                    carrier_->showCarrier(band, channel, shape, gscn);
                });
        placeBeside(check_, this, Side::Right);
    }
    showDialog(check_);
}

void MainWindow::checkCell(const GivenCell& cell) {
    mnuCheck_Click();
    check_->showCell(cell);
}

// An LTE, NR or UMTS channel chosen in Channel Lookup, shown in the Carrier window.
void MainWindow::showCarrier(const ChannelRecord& record) {
    mnuCarrier_Click();
    carrier_->showChannel(record.band, record.channel);
}

// A channel chosen in Channel Lookup, shown as if the user had clicked its format and band and
// typed it: through the window's own handlers, with the window brought forward.
void MainWindow::showChannel(const ChannelRecord& record) {
    const auto format = static_cast<std::size_t>(record.band.format());
    const auto band =
        record.band.catalogueIndex() - bandsOf(record.band.format()).front().catalogueIndex();
    c_.optFormat[format]->click();
    c_.optBand[band]->click();
    c_.txtChan->setText(toQString(channelText(record.channel)));
    int enter = '\r';
    txtChan_KeyPress(enter);
    showDialog(this);
}

void MainWindow::showDialog(QWidget* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void MainWindow::LoadChannelPlan() {
    band_ = captionedBand(state_.RadioFormat.toStdString(), state_.BandName.toStdString());
    plan_ = band_ ? band_->plan<ClassicPlan>() : nullptr;
    BandWindow window{0, 0};
    if (plan_ != nullptr) {
        SetValidChannelCaption(toQString(validChannelText(*band_)));
        state_.ChanList.clear();
        for (const auto& run : plan_->list) {
            for (std::size_t k = 0; k < run.count(); ++k) {
                state_.ChanList.push_back(static_cast<WindowChannel>(run.at(k)));
            }
        }
        window = bandWindow(*band_);
    }
    c_.spectrum.lblBandStart->setCaption(numbers_.number(window.start));
    c_.spectrum.lblBandStop->setCaption(numbers_.number(window.stop));
    if (state_.ChanList.empty()) {
        return;  // no plan has ever matched: nothing to walk
    }
    // The list is complete before the scroll bar moves, since moving it recalculates.
    c_.sbFreq->setMinimum(0);
    c_.sbFreq->setMaximum(static_cast<int>(state_.ChanList.size()) - 1);
    c_.sbFreq->setValue(0);
    state_.CurChannel = state_.ChanList[0];
}

void MainWindow::SetValidChannelCaption(const QString& text) {
    setFittedTitle(c_.frmChannel, "Channel (valid chan: " + text + ")");
}

// Lists are not sorted, so the search is linear; the longest has 1997 entries.
std::int16_t MainWindow::FindChannelIndex() const {
    const auto found = std::ranges::find(state_.ChanList, state_.CurChannel);
    return found == state_.ChanList.end()
               ? std::int16_t{-1}
               : static_cast<std::int16_t>(found - state_.ChanList.begin());
}

}  // namespace tarnvale

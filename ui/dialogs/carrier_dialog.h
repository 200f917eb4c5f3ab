#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "engine/carrier_choice.h"
#include "engine/config_check.h"
#include "engine/ssb.h"
#include "report/ssb_columns.h"
#include "ui/toolkit/locale_numbers.h"
#include "ui/toolkit/rows_model.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

namespace tarnvale {

class Alerts;
class CarrierPicture;
class CellPanel;
class TextBox;

// Tools, Carrier: an LTE, NR or UMTS carrier of a channel bandwidth, walked channel by channel
// with the main window's keys: its centres, edges and Point A, its SS block positions and a
// picture of it in its band. Modeless and single, like the other dialogs.
class CarrierDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CarrierDialog(Alerts& alerts, QWidget* parent = nullptr);

    // Shows a channel of a band with the narrowest carrier valid there (the smallest spacing
    // of that width), or with the narrowest bandwidth at the nearest valid channel.
    void showChannel(BandRef band, Channel channel);

    // An NR carrier of that shape at the channel, with the SS block at `gscn` selected where it
    // is one of the carrier's positions: what Check Configuration opens here.
    void showCarrier(BandRef band, Channel channel, const CarrierShape& shape,
                     std::optional<Channel> gscn);

    // Where Save... writes; by default the user picks a file. Tests give a path of their own.
    void setSavePathProvider(std::function<QString()> provider) { savePath_ = std::move(provider); }
    CellPanel* cellPanel() const { return cellPanel_; }

  signals:
    // Check... of the configuration shown.
    void checkRequested(const tarnvale::GivenCell& cell);
    // The view changed its size with the format.
    void viewResized();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildLayout();
    QGridLayout* buildChoices();
    QGroupBox* buildResults();
    void connectControls();
    // An NR view has its SS block table and cell beside it and resizes both ways; the others
    // are as tall as their rows.
    void fitToFormat(bool nr);

    // The lists and the channel box, as the choice stands.
    void showChoice();
    void channelKeyPress(int& keyAscii);
    void enterTypedChannel();
    void stepped(bool moved);

    // The results.
    void showCarrier();
    void showNoCarrier();
    void showPicture();
    void showCell();
    void copyResults();
    void save();
    std::string carrierCsv() const;

    Alerts& alerts_;
    LocaleNumbers numbers_;
    CarrierChoice choice_;
    RowsModel<report::kSsbColumns>* ssbRows_;
    std::function<QString()> savePath_;

    QComboBox* cboCarrierFormat_;
    QComboBox* cboCarrierBand_;
    QComboBox* cboBandwidth_;
    QComboBox* cboScs_;
    TextBox* txtCarrierChannel_;
    QSpinBox* spnOffsetToCarrier_;
    QLabel* lblCarrierChannels_;
    QLabel* lblCarrierDl_;
    QLabel* lblCarrierUl_;
    QLabel* lblCarrierEdges_;
    QLabel* lblPointA_;
    CarrierPicture* picCarrier_;
    QTableView* tblSsb_;
    QLabel* lblSsbNone_;
    CellPanel* cellPanel_;
    std::optional<bool> nrView_;
    bool resizedForFormat_ = false;
    QLabel* lblCarrierStatus_;
    QPushButton* cmdCarrierSave_;
};

}  // namespace tarnvale

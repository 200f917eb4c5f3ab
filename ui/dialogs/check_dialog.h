#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "engine/carrier.h"
#include "engine/cell_form.h"
#include "gnb_config/oai_config.h"
#include "ui/toolkit/locale_numbers.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tarnvale {

class Alerts;
class CarrierPicture;

// Tools, Check Configuration: an NR cell's frequency fields as typed or read from a gNB
// configuration file, checked whole on every keystroke: each problem check finds, with the
// value that mends it to apply, and a picture of what the fields draw. Modeless and single,
// like the other dialogs.
class CheckDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CheckDialog(Alerts& alerts, QWidget* parent = nullptr);

    // The fields of a cell: the Carrier window's, a file's.
    void showCell(const GivenCell& cell);
    // Where Open... reads; by default the user picks a file. Tests give a path of their own.
    void setOpenPathProvider(std::function<QString()> provider) { openPath_ = std::move(provider); }

  signals:
    // Open in Carrier window: the carrier the fields draw, with their SS block's GSCN.
    void carrierRequested(tarnvale::BandRef band, tarnvale::Channel channel,
                          const tarnvale::CarrierShape& shape,
                          std::optional<tarnvale::Channel> gscn);

  private:
    void buildLayout();
    QWidget* buildFields();
    void edited();
    void check();
    void showProblems();
    void showPicture(const CheckedCell& cell);
    void markField();
    void apply();
    void openFile();
    void showFileCell(int index);
    void openInCarrierWindow();

    Alerts& alerts_;
    LocaleNumbers numbers_;
    CellForm form_;
    std::vector<ConfigProblem> problems_;
    std::vector<OaiCell> fileCells_;
    std::vector<ConfigProblem> fileProblems_;  // what the file lacks for the cell shown
    std::function<QString()> openPath_;

    QLineEdit* txtCheckBand_;
    std::map<std::string, QWidget*, std::less<>> fields_;  // by part and field name
    QComboBox* cboCheckCell_;
    QListWidget* lstProblems_;
    QPushButton* cmdApply_;
    QPushButton* cmdOpenInCarrier_;
    CarrierPicture* picCheck_;
    QLabel* lblCheckStatus_;
};

}  // namespace tarnvale

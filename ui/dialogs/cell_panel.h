#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "engine/cell_choice.h"
#include "engine/config_check.h"
#include "report/cell_columns.h"
#include "ui/toolkit/rows_model.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;

namespace tarnvale {

class Alerts;

// The Carrier window's cell: CORESET#0 of the selected SS block position, with its
// controlResourceSetZero and searchSpaceZero to choose, and the fields config writes for what is
// shown, to copy, save or check.
class CellPanel : public QWidget {
    Q_OBJECT
  public:
    CellPanel(Alerts& alerts, QWidget* parent = nullptr);

    // The carrier and its selected SS block position; nothing without a position.
    void show(const BandwidthCarrier& carrier, const SsbChoice& ssb);
    void clear();

    // CORESET#0's resource blocks as chosen, for the picture.
    std::optional<HzSpan> coreset0Band() const;
    const CellChoice& choice() const { return choice_; }

    void setSavePathProvider(std::function<QString()> provider) { savePath_ = std::move(provider); }

  signals:
    void coreset0Changed();
    // Check... with the fields shown.
    void checkRequested(const GivenCell& cell);

  private:
    QGroupBox* buildCoreset0();
    QGroupBox* buildConfiguration();
    void showChoice();
    void showMeaning();
    std::string configCsv() const;
    void save();
    void check();

    Alerts& alerts_;
    LocaleNumbers numbers_;
    CellChoice choice_;
    RowsModel<report::kFieldColumns>* fields_;
    std::function<QString()> savePath_;

    QComboBox* cboCoreset0_;
    QComboBox* cboSearchSpaceZero_;
    QLabel* lblCoreset0_;
    QTableView* tblConfig_;
    QLabel* lblConfigMeaning_;
    QPushButton* cmdConfigCopy_;
    QPushButton* cmdConfigSave_;
    QPushButton* cmdConfigCheck_;
};

}  // namespace tarnvale

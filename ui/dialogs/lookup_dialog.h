#pragma once

#include <QDialog>
#include <functional>

#include "engine/channel_record.h"
#include "ui/dialogs/lookup_results.h"
#include "ui/toolkit/locale_numbers.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace tarnvale {

class Alerts;

// Tools, Channel Lookup: any channel number or frequency, every band of every generation that
// has it, as the text is typed. Modeless and single, like the other dialogs.
class LookupDialog : public QDialog {
    Q_OBJECT
  public:
    explicit LookupDialog(Alerts& alerts, QWidget* parent = nullptr);

    // Where Save... writes; by default the user picks a file. Tests give a path of their own.
    void setSavePathProvider(std::function<QString()> provider) { savePath_ = std::move(provider); }

  signals:
    // A row of a classic format was chosen: the main window shows that channel.
    void classicChannelChosen(const tarnvale::ChannelRecord& record);
    // A row of LTE, NR or UMTS was chosen: the Carrier window shows that channel.
    void carrierChannelChosen(const tarnvale::ChannelRecord& record);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildLayout();
    void lookUp();
    QString nearestElsewhere(double mhz, std::optional<Format> only) const;
    void choose(const QModelIndex& index);
    void copySelection();
    void save();
    std::vector<int> selectedRows() const;

    Alerts& alerts_;
    LocaleNumbers numbers_;
    LookupResults results_;
    QLineEdit* txtLookup_;
    QComboBox* cboFormat_;
    QDoubleSpinBox* spnTolerance_;
    QTableView* tblResults_;
    QLabel* lblLookupStatus_;
    QPushButton* cmdSave_;
    std::function<QString()> savePath_;
};

}  // namespace tarnvale

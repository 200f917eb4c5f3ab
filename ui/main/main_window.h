#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/band_ref.h"
#include "engine/config_check.h"
#include "ui/main/main_window_layout.h"
#include "ui/toolkit/locale_numbers.h"

namespace tarnvale {

class AboutDialog;
class Alerts;
class CarrierDialog;
class CheckDialog;
class KeyboardShortcutsDialog;
class LookupDialog;
struct ChannelRecord;

// The calculator window: pick a format, a band and a channel, see its carriers.
class MainWindow : public QMainWindow {
    Q_OBJECT
    Q_PROPERTY(QString Ver READ ver)
    Q_PROPERTY(QString Ver_Date READ verDate)
    Q_PROPERTY(int PrevChannel READ prevChannel)
    Q_PROPERTY(QString RadioFormat READ radioFormat)
    Q_PROPERTY(int CurChannel READ curChannel)
    Q_PROPERTY(int DLChannel READ dlChannel)
    Q_PROPERTY(QString BandName READ bandName)
  public:
    explicit MainWindow(Alerts& alerts, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the window on the first format, band and channel.
    void Form_Load();

    QString ver() const { return state_.Ver; }
    QString verDate() const { return state_.Ver_Date; }
    int prevChannel() const { return state_.PrevChannel; }
    QString radioFormat() const { return state_.RadioFormat; }
    int curChannel() const { return state_.CurChannel; }
    int dlChannel() const { return state_.DLChannel; }
    QString bandName() const { return state_.BandName; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  signals:
    // File, Exit or the Exit button: the program ends.
    void programEnded();

  private:
    // The window keeps channels in 16 bits; every classic band's channels fit.
    using WindowChannel = std::int16_t;

    struct State {
        QString Ver;
        QString Ver_Date;
        WindowChannel PrevChannel = 0;
        QString RadioFormat;
        WindowChannel CurChannel = 0;
        WindowChannel DLChannel = 0;
        QString BandName;
        std::vector<WindowChannel> ChanList;
    };

    void connectControls();

    // Controller
    void optFormat_Click(int index);
    void optBand_Click(int index);
    void sbFreq_Change();
    void sbFreq_Scroll();
    void cmdExit_Click();
    void mnuExit_Click();
    void endProgram();
    void mnuAbout_Click();
    void mnuKbdShortcuts_Click();
    void mnuLookup_Click();
    void mnuCarrier_Click();
    void mnuCheck_Click();
    // Check... of the Carrier window's configuration.
    void checkCell(const GivenCell& cell);
    void showChannel(const ChannelRecord& record);
    void showCarrier(const ChannelRecord& record);
    static void showDialog(QWidget* dialog);

    // Channel entry
    void txtChan_Click();
    void txtChan_KeyPress(int& keyAscii);
    void enterTypedChannel();
    void stepChannel(int direction);
    void copyResults();

    // Channel plans on screen
    void LoadChannelPlan();
    void SetValidChannelCaption(const QString& text);
    std::int16_t FindChannelIndex() const;

    // Calculation cycle and results
    void CalculateFrequencies();
    void ReportInvalidChannel();
    void ShowResults(double forward, double reverse);
    void updateDownlinkChannel();
    void DrawBandWindow();
    void selectChannelText();
    double bandWindowStart() const;
    double bandWindowStop() const;
    void describeSpectrum(double forward, double reverse);

    Alerts& alerts_;
    LocaleNumbers numbers_;
    MainWindowControls c_;
    State state_;
    std::optional<BandRef> band_;        // the band of RadioFormat and BandName, as last loaded
    const ClassicPlan* plan_ = nullptr;  // its plan
    QPointer<AboutDialog> about_;
    QPointer<KeyboardShortcutsDialog> shortcuts_;
    QPointer<LookupDialog> lookup_;
    QPointer<CarrierDialog> carrier_;
    QPointer<CheckDialog> check_;
    bool iconSet_ = false;
};

}  // namespace tarnvale

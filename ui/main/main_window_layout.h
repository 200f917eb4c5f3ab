#pragma once

#include <array>

#include "ui/spectrum/spectrum_items.h"
#include "ui/toolkit/text_box.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace tarnvale {

class PaintedFrame;

inline constexpr int kFormatOptions = 5;
inline constexpr int kBandOptions = 10;

// The controls of the main window, each named as its objectName.
struct MainWindowControls {
    QGroupBox* frmFreq;
    QLabel* lblUplink;
    QLabel* lblDownlink;
    QLabel* lblFwdFreq;
    QLabel* lblRevFreq;

    PaintedFrame* Frame1;
    SpectrumItems spectrum;

    QGroupBox* frmChannel;
    QLineEdit* txtDLChan;
    TextBox* txtChan;
    QScrollBar* sbFreq;
    QLabel* lblDL;
    QLabel* lblUL;
    QLabel* lblChSpc;

    QGroupBox* frmBand;
    std::array<QRadioButton*, kBandOptions> optBand;

    QPushButton* cmdExit;

    QGroupBox* frmRadio;
    std::array<QRadioButton*, kFormatOptions> optFormat;

    std::array<QMenu*, 2> mnuMain;
    QMenu* mnuTools;
    QAction* mnuLookup;
    QAction* mnuCarrier;
    QAction* mnuCheck;
    QAction* mnuExit;
    QAction* mnuKbdShortcuts;
    QAction* mnuAbout;
    QAction* mnuCopyResults;  // the context menu of the Frequencies and Channel frames
};

// Creates every control at its place with its laid-out caption, colours and fonts, and fixes
// the window's size and tab order.
MainWindowControls buildMainWindowLayout(QMainWindow* window);

}  // namespace tarnvale

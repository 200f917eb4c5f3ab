#include "ui/main/main_window_layout.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "engine/format.h"
#include "ui/toolkit/application_setup.h"
#include "ui/toolkit/focus_scroll_bar.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/option_tab_stop.h"
#include "ui/toolkit/painted_frame.h"
#include "ui/toolkit/text_box.h"
#include "ui/toolkit/twips.h"

namespace tarnvale {
namespace {

struct Place {
    int left;
    int top;
    int width;
    int height;
};

// Band options: two columns of five; the tab order follows the layout's tab indexes.
constexpr std::array<Place, kBandOptions> kBandPlaces = {{
    {240, 360, 1455, 255},
    {240, 720, 1455, 255},
    {240, 1080, 1455, 255},
    {240, 1440, 1455, 255},
    {240, 1800, 1455, 255},
    {1920, 360, 1455, 255},
    {1920, 720, 1455, 255},
    {1920, 1080, 1455, 255},
    {1920, 1440, 1455, 255},
    {1920, 1800, 1455, 255},
}};
constexpr std::array<int, kBandOptions> kBandTabOrder = {0, 2, 3, 4, 5, 6, 7, 8, 9, 1};

constexpr std::array<Place, kFormatOptions> kFormatPlaces = {{
    {240, 360, 1095, 255},
    {240, 720, 975, 255},
    {240, 1080, 1215, 255},
    {240, 1440, 1095, 255},
    {240, 1800, 1095, 255},
}};
constexpr std::array<int, kFormatOptions> kFormatTabOrder = {2, 0, 1, 3, 4};

const QColor kDownlinkGreen(0, 192, 0);
const QColor kUplinkBlue(0, 0, 255);

template <typename W>
W* place(W* widget, const QString& name, Place p) {
    widget->setObjectName(name);
    widget->setGeometry(twipRect(p.left, p.top, p.width, p.height));
    return widget;
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, Place p) {
    return place(new QGroupBox(caption, parent), name, p);
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, Place p) {
    return place(new QLabel(caption, parent), name, p);
}

QLabel* frequencyLabel(QWidget* parent, const QString& name, Place p, const QColor& colour) {
    auto* l = label(parent, name, "0", p);
    l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setFont(layoutFont("MS Sans Serif", 10.8, true));
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, colour);
    l->setPalette(palette);
    return l;
}

template <typename Box>
Box* channelBox(QWidget* parent, const QString& name, Place p) {
    const QFont font = layoutFont("MS Sans Serif", 9.6, true);
    Box* box = nullptr;
    buildWithApplicationFont(font, [&] { box = new Box("1", parent); });
    place(box, name, p);
    box->setAlignment(Qt::AlignCenter);
    box->setFont(font);
    return box;
}

void buildFrequencies(QWidget* client, MainWindowControls& c) {
    c.frmFreq = frame(client, "frmFreq", "Frequencies (MHz)", {6000, 120, 1695, 2295});
    c.lblUplink = label(c.frmFreq, "lblUplink", "Reverse/Uplink", {120, 1320, 1500, 255});
    c.lblDownlink = label(c.frmFreq, "lblDownlink", "Forward/Downlink", {120, 360, 1500, 255});
    c.lblFwdFreq = frequencyLabel(c.frmFreq, "lblFwdFreq", {120, 600, 1455, 375}, kDownlinkGreen);
    c.lblRevFreq = frequencyLabel(c.frmFreq, "lblRevFreq", {120, 1560, 1455, 375}, kUplinkBlue);
    c.lblFwdFreq->setAccessibleDescription("Forward (downlink) frequency in MHz");
    c.lblRevFreq->setAccessibleDescription("Reverse (uplink) frequency in MHz");
    // Selectable for copying, by mouse only: the labels stay out of the Tab order.
    c.lblFwdFreq->setTextInteractionFlags(Qt::TextSelectableByMouse);
    c.lblRevFreq->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void buildSpectrum(QWidget* client, MainWindowControls& c) {
    c.Frame1 = place(new PaintedFrame("Spectrum", client), "Frame1", {360, 4080, 7335, 1695});
    c.spectrum = buildSpectrumItems(c.Frame1);
}

void buildChannel(QWidget* client, MainWindowControls& c) {
    c.frmChannel = frame(client, "frmChannel", "Channel", {360, 2640, 7335, 1212});
    c.txtDLChan = channelBox<QLineEdit>(c.frmChannel, "txtDLChan", {4440, 275, 855, 360});
    c.txtDLChan->setEnabled(false);
    c.txtDLChan->setFocusPolicy(Qt::NoFocus);
    c.txtChan = channelBox<TextBox>(c.frmChannel, "txtChan", {3120, 275, 855, 360});
    c.sbFreq = place(new FocusScrollBar(c.frmChannel), "sbFreq", {240, 720, 6855, 255});
    c.sbFreq->setRange(0, 0);
    c.sbFreq->setSingleStep(1);
    c.sbFreq->setPageStep(5);
    c.lblDL = label(c.frmChannel, "lblDL", "DL", {4200, 360, 225, 255});
    c.lblUL = label(c.frmChannel, "lblUL", "UL", {2880, 360, 225, 255});
    // The frame's caption may shrink to fit; the labels keep the window's size.
    c.lblDL->setFont(windowFont());
    c.lblUL->setFont(windowFont());
    c.lblChSpc = label(c.frmChannel, "lblChSpc", "Channel Spacing", {240, 240, 2055, 240});
    c.lblChSpc->setFont(layoutFont("Microsoft Sans Serif", 6.6));
    c.txtChan->setAccessibleName("Channel");
    c.txtDLChan->setAccessibleName("Downlink channel");
    c.sbFreq->setAccessibleName("Channel in band");
}

void buildBands(QWidget* client, MainWindowControls& c) {
    c.frmBand = frame(client, "frmBand", "Band", {2280, 120, 3495, 2295});
    for (int i = 0; i < kBandOptions; ++i) {
        c.optBand[i] = place(new QRadioButton("Option1", c.frmBand), QString("optBand_%1").arg(i),
                             kBandPlaces[i]);
    }
    c.optBand[0]->setChecked(true);
    keepTabStopOnSelection(std::vector<QAbstractButton*>(c.optBand.begin(), c.optBand.end()));
}

void buildFormats(QWidget* client, MainWindowControls& c) {
    c.frmRadio = frame(client, "frmRadio", "Radio Format", {360, 120, 1695, 2295});
    for (int i = 0; i < kFormatOptions; ++i) {
        const auto name = formatName(kFormats[static_cast<std::size_t>(i)]);
        c.optFormat[i] = place(
            new QRadioButton(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                             c.frmRadio),
            QString("optFormat_%1").arg(i), kFormatPlaces[i]);
        c.optFormat[i]->setFont(layoutFont("Microsoft Sans Serif", 9.6));
    }
    c.optFormat[0]->setChecked(true);
    keepTabStopOnSelection(std::vector<QAbstractButton*>(c.optFormat.begin(), c.optFormat.end()));
}

void buildMenus(QMainWindow* window, MainWindowControls& c) {
    c.mnuMain[0] = window->menuBar()->addMenu("File");
    c.mnuMain[0]->setObjectName("mnuMain_0");
    c.mnuExit = c.mnuMain[0]->addAction("Exit");
    c.mnuExit->setObjectName("mnuExit");
    c.mnuTools = window->menuBar()->addMenu("Tools");
    c.mnuTools->setObjectName("mnuTools");
    c.mnuLookup = c.mnuTools->addAction("Channel Lookup...");
    c.mnuLookup->setObjectName("mnuLookup");
    c.mnuLookup->setShortcut(QKeySequence("Ctrl+L"));
    c.mnuCarrier = c.mnuTools->addAction("Carrier...");
    c.mnuCarrier->setObjectName("mnuCarrier");
    c.mnuCarrier->setShortcut(QKeySequence("Ctrl+K"));
    c.mnuCheck = c.mnuTools->addAction("Check Configuration...");
    c.mnuCheck->setObjectName("mnuCheck");
    c.mnuCheck->setShortcut(QKeySequence("Ctrl+G"));
    c.mnuMain[1] = window->menuBar()->addMenu("Help");
    c.mnuMain[1]->setObjectName("mnuMain_1");
    c.mnuKbdShortcuts = c.mnuMain[1]->addAction("Keyboard Shortcuts");
    c.mnuKbdShortcuts->setObjectName("mnuKbdShortcuts");
    c.mnuAbout = c.mnuMain[1]->addAction("About");
    c.mnuAbout->setObjectName("mnuAbout");
}

// "Copy Results" in the context menus of the two frames that show the results.
void buildCopyResults(QMainWindow* window, MainWindowControls& c) {
    c.mnuCopyResults = new QAction("Copy Results", window);
    c.mnuCopyResults->setObjectName("mnuCopyResults");
    for (QWidget* frame : {static_cast<QWidget*>(c.frmFreq), static_cast<QWidget*>(c.frmChannel)}) {
        frame->setContextMenuPolicy(Qt::ActionsContextMenu);
        frame->addAction(c.mnuCopyResults);
    }
}

// Exit first, then the band options, the scroll bar, the channel box and the format options.
void setTabOrder(MainWindowControls& c) {
    std::vector<QWidget*> chain = {c.cmdExit};
    for (const int i : kBandTabOrder) {
        chain.push_back(c.optBand[i]);
    }
    chain.push_back(c.sbFreq);
    chain.push_back(c.txtChan);
    for (const int i : kFormatTabOrder) {
        chain.push_back(c.optFormat[i]);
    }
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

}  // namespace

MainWindowControls buildMainWindowLayout(QMainWindow* window) {
    window->setFont(windowFont());
    auto* client = new QWidget(window);
    client->setObjectName("frmCalcFreqClient");
    client->setFixedSize(twipRect(0, 0, 8052, 6552).size());
    window->setCentralWidget(client);

    MainWindowControls c{};
    // Created bottom first, so that the first control of the layout lies on top.
    buildFormats(client, c);
    c.cmdExit = place(new QPushButton("Exit", client), "cmdExit", {3600, 6000, 975, 375});
    c.cmdExit->setFont(layoutFont("MS Sans Serif", 9.6));
    c.cmdExit->setAutoDefault(false);
    buildBands(client, c);
    buildChannel(client, c);
    buildSpectrum(client, c);
    buildFrequencies(client, c);
    buildMenus(window, c);
    buildCopyResults(window, c);
    setTabOrder(c);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    return c;
}

}  // namespace tarnvale

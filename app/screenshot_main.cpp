// Renders the main window to a PNG file, for the README and for looking at the layout.
// Usage: tarnvale-screenshot FILE.png [FORMAT_INDEX [BAND_INDEX [POSITION]]]
//        tarnvale-screenshot FILE.png about|shortcuts
//        tarnvale-screenshot FILE.png carrier   (NR n78, a 100 MHz carrier at 636666)
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "ui/main/main_window.h"
#include "ui/toolkit/application_setup.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/qt_alerts.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    tarnvale::provideRuntimeDirectory();
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        qWarning("usage: tarnvale-screenshot FILE.png [FORMAT_INDEX [BAND_INDEX [POSITION]]]");
        return 2;
    }
    tarnvale::installFontSubstitutions();
    tarnvale::QtAlerts alerts;
    tarnvale::MainWindow window(alerts);
    window.Form_Load();
    const auto clickOption = [&window](const QString& name) {
        if (auto* option = window.findChild<QRadioButton*>(name)) {
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        }
    };
    if (args.size() == 3 && args[2] == "carrier") {
        window.findChild<QAction*>("mnuCarrier")->trigger();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != "frmCarrier") {
                continue;
            }
            const auto choose = [w](const char* name, const QString& item) {
                auto* box = w->findChild<QComboBox*>(name);
                box->setCurrentIndex(box->findText(item));
                emit box->activated(box->currentIndex());
            };
            choose("cboCarrierFormat", "NR");
            choose("cboCarrierBand", "n78");
            choose("cboBandwidth", "100 MHz");
            auto* channel = w->findChild<QLineEdit*>("txtCarrierChannel");
            channel->selectAll();
            QTest::keyClicks(channel, "636666");
            QTest::keyClick(channel, Qt::Key_Return);
            QApplication::processEvents();
            return w->grab().save(args[1]) ? 0 : 1;
        }
        return 1;
    }
    if (args.size() == 3 && (args[2] == "about" || args[2] == "shortcuts")) {
        const QString action = args[2] == "about" ? "mnuAbout" : "mnuKbdShortcuts";
        const QString dialog = args[2] == "about" ? "frmAbout" : "frmKbdShortcuts";
        window.findChild<QAction*>(action)->trigger();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == dialog) {
                QApplication::processEvents();
                return w->grab().save(args[1]) ? 0 : 1;
            }
        }
        return 1;
    }
    if (args.size() > 2) {
        clickOption("optFormat_" + args[2]);
    }
    if (args.size() > 3) {
        clickOption("optBand_" + args[3]);
    }
    if (args.size() > 4) {
        window.findChild<QScrollBar*>("sbFreq")->setValue(args[4].toInt());
    }
    QApplication::processEvents();
    return window.grab().save(args[1]) ? 0 : 1;
}

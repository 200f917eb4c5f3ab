// Starts the program as its own main does, and ends it half a second after the main window is
// first painted.
#include <QApplication>

#include "first_paint.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/application_setup.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/qt_alerts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tarnvale::setApplicationIdentity();
    tarnvale::installStartupStyle();
    tarnvale::installFontSubstitutions();
    tarnvale::QtAlerts alerts;
    tarnvale::MainWindow window(alerts);
    tarnvale::bench::exitAfterFirstPaint(&window);
    window.Form_Load();
    return QApplication::exec();
}

#include <QApplication>

#include "fonts.h"
#include "main_window.h"
#include "qt_alerts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tarnvale");
    QApplication::setApplicationVersion("2.20");
    QApplication::setDesktopFileName("tarnvale");
    tarnvale::installFontSubstitutions();

    tarnvale::QtAlerts alerts;
    tarnvale::MainWindow window(alerts);
    alerts.setParentWindow(&window);
    QObject::connect(&window, &tarnvale::MainWindow::programEnded, &app, &QApplication::quit);
    window.Form_Load();
    return QApplication::exec();
}

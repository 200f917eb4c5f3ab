#pragma once

#include "ui/main/main_window.h"
#include "ui/toolkit/qt_alerts.h"

namespace tarnvale {

// The program as it starts: the application's identity, its start-up style and fonts, then the
// main window with its alerts. Made after the QApplication; start() loads and shows the window.
// The start-up benchmark starts the program through it too, so it measures what users start.
class Program {
  public:
    Program();

    MainWindow& window() { return window_; }
    void start() { window_.Form_Load(); }

  private:
    struct Setup {
        Setup();
    } setup_;
    QtAlerts alerts_;
    MainWindow window_;
};

}  // namespace tarnvale

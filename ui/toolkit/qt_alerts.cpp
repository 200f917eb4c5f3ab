#include "ui/toolkit/qt_alerts.h"

#include <QApplication>
#include <QMessageBox>

namespace tarnvale {

void QtAlerts::warn(const QString& text, const QString& title) {
    QMessageBox::warning(parent_, title, text, QMessageBox::Ok);
}

void QtAlerts::beep() {
    QApplication::beep();
}

}  // namespace tarnvale

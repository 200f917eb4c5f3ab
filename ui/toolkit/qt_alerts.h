#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/toolkit/alerts.h"

namespace tarnvale {

// A warning message box with one OK button, and the system beep.
class QtAlerts : public Alerts {
  public:
    void setParentWindow(QWidget* window) { parent_ = window; }
    void warn(const QString& text, const QString& title) override;
    void beep() override;

    // The width a box needs for its title to show in full in a title bar.
    static int titleRoom(const QString& title);

  private:
    QPointer<QWidget> parent_;
};

}  // namespace tarnvale

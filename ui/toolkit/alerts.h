#pragma once

#include <QString>

namespace tarnvale {

// The warning box and the beep, behind one interface so tests can observe them without a
// modal dialog.
class Alerts {
  public:
    virtual ~Alerts() = default;
    // Modal: returns once the user has closed the box.
    virtual void warn(const QString& text, const QString& title) = 0;
    virtual void beep() = 0;
};

}  // namespace tarnvale

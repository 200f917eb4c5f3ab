#pragma once

#include <QString>
#include <utility>
#include <vector>

#include "ui/toolkit/alerts.h"

namespace tarnvale::testing {

// Records warnings and beeps instead of showing a box or making a sound.
class RecordingAlerts : public Alerts {
  public:
    struct Warning {
        QString text;
        QString title;
    };

    void warn(const QString& text, const QString& title) override {
        warnings.push_back({text, title});
    }
    void beep() override { ++beeps; }

    std::vector<Warning> warnings;
    int beeps = 0;
};

}  // namespace tarnvale::testing

#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <memory>
#include <string>

#include "recording_alerts.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/painted_items.h"

namespace tarnvale::testing {

// A main window after start-up, shown and active on the offscreen platform. A warning that a
// test did not take with takeWarnings() fails it.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    template <typename T>
    T* find(const QString& name) const {
        auto* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }

    QRadioButton* format(int index) const;
    QRadioButton* band(int index) const;
    QScrollBar* scrollBar() const { return find<QScrollBar>("sbFreq"); }
    QLineEdit* channelBox() const { return find<QLineEdit>("txtChan"); }
    QString text(const QString& labelName) const;
    PaintedLabel* paintedLabel(const QString& name) const { return find<PaintedLabel>(name); }
    PaintedLine* paintedLine(const QString& name) const { return find<PaintedLine>(name); }
    PaintedShape* paintedShape(const QString& name) const { return find<PaintedShape>(name); }

    // A user's click on an option button.
    void click(QRadioButton* option);
    void chooseBand(int formatIndex, int bandIndex);
    int state(const char* field) const { return window->property(field).toInt(); }
    QString stateText(const char* field) const { return window->property(field).toString(); }
    std::vector<RecordingAlerts::Warning> takeWarnings();

    // The caption band option `option` gets in format option `formatIndex`: empty past the
    // format's bands.
    static std::string bandCaption(int formatIndex, int option);
    // The band the window shows, found from its state by exact names.
    BandRef shownBand() const;

    RecordingAlerts alerts;
    std::unique_ptr<MainWindow> window;
};

}  // namespace tarnvale::testing

#pragma once

#include <QScrollBar>

namespace tarnvale {

// A horizontal scroll bar that shows when it has the keyboard focus (the platform style draws
// nothing for it), and whose arrow keys move it the way they point.
class FocusScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    explicit FocusScrollBar(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tarnvale

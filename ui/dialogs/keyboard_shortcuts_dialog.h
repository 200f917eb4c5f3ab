#pragma once

#include <QWidget>

namespace tarnvale {

// Help, Keyboard Shortcuts: the keys of the channel box. Modeless; its OK button closes it
// (Enter presses the button while it has the focus) and Esc does nothing.
class KeyboardShortcutsDialog : public QWidget {
    Q_OBJECT
  public:
    KeyboardShortcutsDialog();

  protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace tarnvale

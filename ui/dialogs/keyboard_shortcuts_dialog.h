#pragma once

#include <QDialog>

namespace tarnvale {

// Help, Keyboard Shortcuts: the keys of the channel box. Modeless; its OK button closes it
// (Enter presses the button while it has the focus) and Esc does nothing. A dialog, so that
// assistive technology presents it as one.
class KeyboardShortcutsDialog : public QDialog {
    Q_OBJECT
  public:
    KeyboardShortcutsDialog();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tarnvale

#pragma once

#include <QLineEdit>
#include <functional>

namespace tarnvale {

// Character codes a key press handler sees, and 0 to cancel the character.
namespace keycode {
inline constexpr int kCancel = 0;
inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
}  // namespace keycode

// A line edit that offers each typed character to a handler before inserting it, and reports
// clicks. The handler gets the character code by reference; setting it to 0 cancels the
// character. The Up and Down arrows and the mouse wheel ask for a step instead; other keys that
// type nothing (Left, Right, Delete) reach the box unchanged.
class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    using KeyPressHandler = std::function<void(int& keyAscii)>;

    explicit TextBox(const QString& text, QWidget* parent = nullptr);
    void setKeyPressHandler(KeyPressHandler handler) { keyPress_ = std::move(handler); }

  signals:
    void clicked();
    // +1 for Up or the wheel turned away from the user, -1 for Down or towards the user.
    void stepRequested(int direction);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    KeyPressHandler keyPress_;
    int wheelTurned_ = 0;  // eighths of a degree not yet stepped
};

// The character code a key press types, as a 16-bit value: Enter is 13, Backspace 8, Ctrl+V
// 22. -1 for a key that types nothing.
int typedCharacterCode(const QKeyEvent& event);

}  // namespace tarnvale

#include "ui/toolkit/text_box.h"

#include <QKeyEvent>
#include <QWheelEvent>

namespace tarnvale {
int typedCharacterCode(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        return keycode::kEnter;
    }
    const bool control = event.modifiers().testFlag(Qt::ControlModifier) &&
                         !event.modifiers().testFlag(Qt::AltModifier);
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;
    }
    const QString text = event.text();
    return text.isEmpty() ? -1 : text.front().unicode();
}

TextBox::TextBox(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    // Composed input would bypass the key handler.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        event->accept();
        emit stepRequested(event->key() == Qt::Key_Up ? +1 : -1);
        return;
    }
    int code = typedCharacterCode(*event);
    if (code >= 0 && keyPress_) {
        keyPress_(code);
        if (code == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

// A notch of a wheel is 15 degrees, 120 eighths; finer wheels and touch pads add up to one.
void TextBox::wheelEvent(QWheelEvent* event) {
    constexpr int kNotch = 120;
    event->accept();
    wheelTurned_ += event->angleDelta().y();
    while (wheelTurned_ >= kNotch || wheelTurned_ <= -kNotch) {
        const int direction = wheelTurned_ > 0 ? +1 : -1;
        wheelTurned_ -= direction * kNotch;
        emit stepRequested(direction);
    }
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    emit clicked();
}

}  // namespace tarnvale

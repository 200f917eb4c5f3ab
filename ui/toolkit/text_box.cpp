#include "ui/toolkit/text_box.h"

#include <QKeyEvent>

namespace tarnvale {
namespace {

constexpr int kEnter = 13;

}  // namespace

int typedCharacterCode(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        return kEnter;
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

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    emit clicked();
}

}  // namespace tarnvale

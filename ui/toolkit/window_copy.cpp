#include "ui/toolkit/window_copy.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>

namespace tarnvale {
namespace {

// A line edit accepts the shortcut override of Ctrl+C, so the window's shortcut never fires;
// with nothing selected the override is kept from it, unaccepted.
class CopyWithoutSelection : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) {
            return false;
        }
        const auto* edit = qobject_cast<QLineEdit*>(watched);
        return edit != nullptr && !edit->hasSelectedText() &&
               static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
    }
};

}  // namespace

void letWindowCopy(QWidget* window) {
    auto* filter = new CopyWithoutSelection(window);
    for (auto* edit : window->findChildren<QLineEdit*>()) {
        edit->installEventFilter(filter);
    }
}

}  // namespace tarnvale

#include "ui/toolkit/scroll_bar_keys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>

namespace tarnvale {
namespace {

class ArrowKeyFilter : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto key = static_cast<QKeyEvent*>(event)->key();
        auto* bar = static_cast<QScrollBar*>(watched);
        if (key == Qt::Key_Right || key == Qt::Key_Down) {
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        }
        if (key == Qt::Key_Left || key == Qt::Key_Up) {
            bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        }
        return false;
    }
};

}  // namespace

void useDirectionalArrowKeys(QScrollBar* bar) {
    bar->installEventFilter(new ArrowKeyFilter(bar));
}

}  // namespace tarnvale

#include "ui/dialogs/dialog_window.h"

#include <QScreen>
#include <QWidget>

namespace tarnvale {

void placeDialogWindow(QWidget* window, QRect place) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFixedSize(place.size());
    if (const QScreen* screen = window->screen()) {
        const QRect available = screen->availableGeometry();
        place.moveTopLeft(place.topLeft() + available.topLeft());
        if (!available.contains(place)) {
            place.moveCenter(available.center());
        }
    }
    // The geometry of a window is its client area; move() would place its frame there.
    window->setGeometry(place);
}

}  // namespace tarnvale

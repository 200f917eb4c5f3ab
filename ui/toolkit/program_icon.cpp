#include "ui/toolkit/program_icon.h"

// Resources of a static library are registered only when asked for by name.
static void registerResources() {
    Q_INIT_RESOURCE(tarnvale);
}

namespace tarnvale {

QIcon programIcon() {
    registerResources();
    // The sizes a title bar and a task bar show; the desktop's icon theme has the large ones.
    // Naming the format spares Qt probing every image plugin.
    QIcon icon;
    for (const char* size : {"16", "32", "48"}) {
        icon.addPixmap(QPixmap(QString(":/tarnvale/icon-%1.png").arg(size), "PNG"));
    }
    return icon;
}

}  // namespace tarnvale

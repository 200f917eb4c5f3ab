#include "ui/toolkit/program_icon.h"

// Resources of a static library are registered only when asked for by name.
static void registerResources() {
    Q_INIT_RESOURCE(tarnvale);
}

namespace tarnvale {

QIcon programIcon() {
    registerResources();
    // Naming the format spares Qt probing every image plugin, which slows start-up.
    QIcon icon;
    icon.addPixmap(QPixmap(":/tarnvale/icon-32.png", "PNG"));
    icon.addPixmap(QPixmap(":/tarnvale/icon-256.png", "PNG"));
    return icon;
}

}  // namespace tarnvale

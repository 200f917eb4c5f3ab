#include "program_icon.h"

// Resources of a static library are registered only when asked for by name.
static void registerResources() {
    Q_INIT_RESOURCE(tarnvale);
}

namespace tarnvale {

QIcon programIcon() {
    registerResources();
    QIcon icon;
    icon.addFile(":/tarnvale/icon-32", QSize(32, 32));
    icon.addFile(":/tarnvale/icon", QSize(256, 256));
    return icon;
}

}  // namespace tarnvale

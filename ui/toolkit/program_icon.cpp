#include "ui/toolkit/program_icon.h"

#include <QImage>
#include <QPixmap>

#include "ui/toolkit/icon_pixels.h"

namespace tarnvale {

// The sizes a title bar and a task bar show; the desktop's icon theme has the large ones.
QIcon programIcon() {
    QIcon icon;
    for (const auto& pixels : kIconPixels) {
        const QImage image(reinterpret_cast<const uchar*>(pixels.argb), pixels.size, pixels.size,
                           QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace tarnvale

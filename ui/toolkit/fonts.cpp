#include "ui/toolkit/fonts.h"

#include <QStringList>

namespace tarnvale {

void installFontSubstitutions() {
    const QStringList metricCompatible = {"Liberation Sans", "Arimo", "DejaVu Sans"};
    QFont::insertSubstitutions("MS Sans Serif", metricCompatible);
    QFont::insertSubstitutions("Microsoft Sans Serif", metricCompatible);
}

QFont layoutFont(const QString& face, double points, bool bold) {
    QFont font(face);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont windowFont() {
    return layoutFont("MS Sans Serif", 8);
}

}  // namespace tarnvale

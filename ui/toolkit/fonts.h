#pragma once

#include <QFont>
#include <QString>

namespace tarnvale {

// Maps the layout's Windows font names to metric-compatible fonts that Debian ships, so that
// captions take the room the layout gives them.
void installFontSubstitutions();

QFont layoutFont(const QString& face, double points, bool bold = false);

// The main window's own font, which the layout leaves to the platform: fixed here so the
// window looks the same on every desktop.
QFont windowFont();

}  // namespace tarnvale

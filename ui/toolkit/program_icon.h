#pragma once

#include <QIcon>

namespace tarnvale {

// The program's icon, drawn for Tarnvale, at the sizes the window manager may ask for.
QIcon programIcon();

}  // namespace tarnvale

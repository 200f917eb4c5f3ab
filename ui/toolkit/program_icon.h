#pragma once

#include <QIcon>

namespace tarnvale {

// The program's icon, drawn for Tarnvale, at the sizes a window shows it.
QIcon programIcon();

}  // namespace tarnvale

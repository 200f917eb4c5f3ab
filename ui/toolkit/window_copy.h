#pragma once

class QWidget;

namespace tarnvale {

// Lets Ctrl+C reach a window's Copy shortcut from every line edit and spin box in it that has
// no text selected, which would otherwise take the key and copy nothing.
void letWindowCopy(QWidget* window);

}  // namespace tarnvale

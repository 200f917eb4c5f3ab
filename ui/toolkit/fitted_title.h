#pragma once

#include <QString>

class QGroupBox;

namespace tarnvale {

// Sets a frame's caption, in the font of the frame's parent where it fits and in a smaller
// size where it would otherwise be clipped. Controls inside the frame that should keep their
// size need fonts of their own.
void setFittedTitle(QGroupBox* frame, const QString& title);

}  // namespace tarnvale

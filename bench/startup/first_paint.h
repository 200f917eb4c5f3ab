#pragma once

class QWidget;

namespace tarnvale::bench {

// When `window` has been painted for the first time, prints the microseconds since the moment
// named by TARNVALE_SPAWN_NS (CLOCK_MONOTONIC, set by the driver before it started this
// process) and ends the process at once.
void exitOnFirstPaint(QWidget* window);

}  // namespace tarnvale::bench

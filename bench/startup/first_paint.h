#pragma once

class QWidget;

namespace tarnvale::bench {

// When `window` has been painted for the first time, prints the microseconds since the moment
// named by TARNVALE_SPAWN_NS (CLOCK_MONOTONIC, set by the driver before it started this
// process) and the peak resident memory so far in KiB, then lets the program run on for half
// a second, as a user's session would, and ends the process.
void exitAfterFirstPaint(QWidget* window);

}  // namespace tarnvale::bench

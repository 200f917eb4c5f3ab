#pragma once

#include <cstdint>

namespace tarnvale {

// Channel numbers of every generation: an NR-ARFCN runs to 3279165, so 32 bits.
using Channel = std::int32_t;

}  // namespace tarnvale

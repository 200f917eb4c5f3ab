#pragma once

#include <array>
#include <cstdint>

namespace tarnvale {

// One size of the program icon as 0xAARRGGBB pixels, row by row: compiled in from its PNG file
// at build time, so no image is decoded when the program runs.
struct IconPixels {
    int size;
    const std::uint32_t* argb;
};

extern const std::array<IconPixels, 3> kIconPixels;

}  // namespace tarnvale

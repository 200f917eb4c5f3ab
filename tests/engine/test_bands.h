#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/band_ref.h"

namespace tarnvale::testing {

// The band of that exact format and name; a test naming a band the table lacks fails loudly.
inline BandRef bandNamed(std::string_view format, std::string_view name) {
    if (const auto band = findBand(format, name)) {
        return *band;
    }
    throw std::invalid_argument("no band " + std::string(format) + " " + std::string(name));
}

}  // namespace tarnvale::testing

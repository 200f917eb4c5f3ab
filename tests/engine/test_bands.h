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

// The plan of that kind of a band the table has; the wrong kind fails loudly too.
template <typename Plan>
const Plan& planOf(std::string_view format, std::string_view name) {
    if (const auto* plan = bandNamed(format, name).plan<Plan>()) {
        return *plan;
    }
    throw std::invalid_argument("band " + std::string(name) + " has no plan of that kind");
}

inline const ClassicPlan& classicPlan(std::string_view format, std::string_view name) {
    return planOf<ClassicPlan>(format, name);
}

inline const ArfcnPlan& arfcnPlan(std::string_view format, std::string_view name) {
    return planOf<ArfcnPlan>(format, name);
}

}  // namespace tarnvale::testing

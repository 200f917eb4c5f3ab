#pragma once

#include <string_view>

namespace tarnvale {

inline constexpr std::string_view kVersion = "2.20";
inline constexpr std::string_view kVersionDate = "July 2004";

}  // namespace tarnvale

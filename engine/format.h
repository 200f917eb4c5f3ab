#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarnvale {

// Radio formats in catalogue order; the first five are the window's format options, in their
// index order.
enum class Format : std::uint8_t { Cdma, Gsm, Wcdma, Is136, Amps };

inline constexpr std::array kFormats = {Format::Cdma, Format::Gsm, Format::Wcdma, Format::Is136,
                                        Format::Amps};

std::string_view formatName(Format format);

enum class NameMatch { Exact, IgnoreCase };

std::optional<Format> findFormat(std::string_view name, NameMatch match = NameMatch::Exact);

// Whole-string comparison, exact or ignoring ASCII letter case.
bool namesMatch(std::string_view a, std::string_view b, NameMatch match);

}  // namespace tarnvale

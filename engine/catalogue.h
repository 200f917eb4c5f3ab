#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace tarnvale {

// The band options of the window hold at most this many bands per format.
inline constexpr std::size_t kMaxBandsPerFormat = 10;

struct RadioFormat {
    std::string_view name;
    std::span<const std::string_view> bands;  // in band-option order
};

std::span<const RadioFormat> radioFormats();

// The caption of band option `option` of format `formatIndex`: empty where the format has no
// such band.
std::string_view bandCaption(std::size_t formatIndex, std::size_t option);

// The format with this exact name, or nullptr.
const RadioFormat* findFormat(std::string_view name);

// Whether the format lists this exact band name.
bool formatHasBand(const RadioFormat& format, std::string_view band);

}  // namespace tarnvale

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tarnvale {

// Radio formats in catalogue order. The first five, the classic formats, are the window's
// format options in their index order; LTE, NR and UMTS follow the 3GPP numbering.
enum class Format : std::uint8_t { Cdma, Gsm, Wcdma, Is136, Amps, Lte, Nr, Umts };

inline constexpr std::array kFormats = {Format::Cdma, Format::Gsm, Format::Wcdma, Format::Is136,
                                        Format::Amps, Format::Lte, Format::Nr,    Format::Umts};
inline constexpr std::size_t kClassicFormats = 5;

constexpr bool isClassic(Format format) {
    return static_cast<std::size_t>(format) < kClassicFormats;
}

std::string_view formatName(Format format);

// How a band's downlink and uplink share the spectrum.
enum class Duplex : std::uint8_t {
    Fdd,  // paired downlink and uplink channels
    Tdd,  // one channel for both directions
    Sdl,  // downlink only
    Sul,  // uplink only
};

std::string_view duplexName(Duplex duplex);

// A carrier's direction: the downlink (forward, base station to mobile) or the uplink (reverse).
enum class Direction { Downlink, Uplink };

enum class NameMatch { Exact, IgnoreCase };

std::optional<Format> findFormat(std::string_view name, NameMatch match = NameMatch::Exact);

// Whole-string comparison, exact or ignoring ASCII letter case.
bool namesMatch(std::string_view a, std::string_view b, NameMatch match);

}  // namespace tarnvale

#pragma once

#include <array>

#include "engine/carrier_search.h"
#include "report/field.h"

// find: a carrier at or near a frequency.
namespace tarnvale::report {

// The tool's words for a direction, kept from its first release: scripts read them.
inline std::string_view directionName(Direction direction) {
    return direction == Direction::Downlink ? "forward" : "reverse";
}

inline constexpr std::array<Column<CarrierMatch>, 7> kFindColumns = {{
    {"format", "Format", Align::Left,
     [](const CarrierMatch& m) { return Field(m.band.formatName()); }},
    {"band", "Band", Align::Left, [](const CarrierMatch& m) { return Field(m.band.name()); }},
    {"index", "Index", Align::Right,
     [](const CarrierMatch& m) { return Field(static_cast<long long>(m.index)); }},
    {"channel", "Channel", Align::Right,
     [](const CarrierMatch& m) { return Field(static_cast<long long>(m.channel)); }},
    {"direction", "Direction", Align::Left,
     [](const CarrierMatch& m) { return Field(directionName(m.direction)); }},
    {"frequency_mhz", "MHz", Align::Right,
     [](const CarrierMatch& m) { return Field(Megahertz{m.frequencyMhz}); }},
    {"offset_khz", "Offset kHz", Align::Right,
     [](const CarrierMatch& m) { return Field(General{m.offsetKhz}); }},
}};

}  // namespace tarnvale::report

#pragma once

#include <array>
#include <string>

#include "engine/band_ref.h"
#include "engine/channel_list.h"
#include "report/field.h"

// bands and plan: the catalogue, and one band's channels and window.
namespace tarnvale::report {

inline constexpr std::array<Column<BandRef>, 2> kBandColumns = {{
    {"format", "Format", Align::Left, [](const BandRef& b) { return Field(b.formatName()); }},
    {"band", "Band", Align::Left, [](const BandRef& b) { return Field(b.name()); }},
}};

// What a band's plan comes to.
struct BandPlanRecord {
    BandRef band;
    std::string validChannels;
    std::size_t channelCount;  // the rows of its table
    BandWindow window;
};

BandPlanRecord bandPlanRecord(BandRef band);

inline constexpr std::array<Column<BandPlanRecord>, 6> kPlanColumns = {{
    {"format", "Format", Align::Left,
     [](const BandPlanRecord& p) { return Field(p.band.formatName()); }},
    {"band", "Band", Align::Left, [](const BandPlanRecord& p) { return Field(p.band.name()); }},
    {"valid_channels", "Valid channels", Align::Left,
     [](const BandPlanRecord& p) { return Field(std::string_view(p.validChannels)); }},
    {"channel_count", "Channels", Align::Right,
     [](const BandPlanRecord& p) { return Field(static_cast<long long>(p.channelCount)); }},
    {"window_start_mhz", "From MHz", Align::Right,
     [](const BandPlanRecord& p) { return Field(General{p.window.start}); }},
    {"window_stop_mhz", "To MHz", Align::Right,
     [](const BandPlanRecord& p) { return Field(General{p.window.stop}); }},
}};

}  // namespace tarnvale::report

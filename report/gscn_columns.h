#pragma once

#include <array>

#include "engine/gscn.h"
#include "report/field.h"

// gscn: SS block positions, of any GSCN or of one band's synchronisation raster.
namespace tarnvale::report {

inline constexpr std::array<Column<GscnEntry>, 2> kGscnColumns = {{
    {"gscn", "GSCN", Align::Right,
     [](const GscnEntry& e) { return Field(static_cast<long long>(e.gscn)); }},
    {"frequency_mhz", "MHz", Align::Right,
     [](const GscnEntry& e) { return Field(Megahertz{e.frequencyMhz}); }},
}};

// A GSCN of a band's synchronisation raster.
struct BandGscn {
    BandRef band;
    GscnEntry entry;
};

inline constexpr std::array<Column<BandGscn>, 5> kBandGscnColumns = {{
    {"band", "Band", Align::Left, [](const BandGscn& g) { return Field(g.band.name()); }},
    {"scs_khz", "SCS kHz", Align::Right,
     [](const BandGscn& g) { return Field(static_cast<long long>(g.entry.scsKhz)); }},
    {"ssb_pattern", "Pattern", Align::Left,
     [](const BandGscn& g) { return Field(std::string_view(&g.entry.pattern, 1)); }},
    {"gscn", "GSCN", Align::Right,
     [](const BandGscn& g) { return Field(static_cast<long long>(g.entry.gscn)); }},
    {"frequency_mhz", "MHz", Align::Right,
     [](const BandGscn& g) { return Field(Megahertz{g.entry.frequencyMhz}); }},
}};

// gscn --frequency and --ssb-arfcn: the GSCN nearest to a frequency.
inline constexpr std::array<Column<GscnNear>, 3> kGscnNearColumns = {{
    {"gscn", "GSCN", Align::Right,
     [](const GscnNear& g) { return Field(static_cast<long long>(g.gscn)); }},
    {"frequency_mhz", "MHz", Align::Right,
     [](const GscnNear& g) { return Field(Kilohertz{g.ssRefKhz}); }},
    {"offset_khz", "Offset kHz", Align::Right,
     [](const GscnNear& g) { return Field(General{g.offsetKhz}); }},
}};

}  // namespace tarnvale::report

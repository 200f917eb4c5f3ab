#pragma once

#include <array>

#include "engine/carrier.h"
#include "report/field.h"

// bandwidths: the channel bandwidths a band allows with each subcarrier spacing.
namespace tarnvale::report {

inline constexpr std::array<Column<AllowedBandwidth>, 6> kBandwidthColumns = {{
    {"format", "Format", Align::Left,
     [](const AllowedBandwidth& b) { return Field(b.band.formatName()); }},
    {"band", "Band", Align::Left, [](const AllowedBandwidth& b) { return Field(b.band.name()); }},
    {"scs_khz", "SCS kHz", Align::Right,
     [](const AllowedBandwidth& b) {
         return b.scsKhz == 0 ? Field() : Field(static_cast<long long>(b.scsKhz));
     }},
    {"bandwidth_mhz", "Bandwidth MHz", Align::Right,
     [](const AllowedBandwidth& b) { return megahertzOfKhz(b.bandwidthKhz); }},
    {"n_rb", "RBs", Align::Right,
     [](const AllowedBandwidth& b) { return integerField(b.resourceBlocks); }},
    {"min_guard_khz", "Guard kHz", Align::Right,
     [](const AllowedBandwidth& b) {
         return b.minimumGuardHz ? Field(General{static_cast<double>(*b.minimumGuardHz) / 1000.0})
                                 : Field();
     }},
}};

}  // namespace tarnvale::report

#pragma once

#include <array>

#include "engine/cell_config.h"
#include "report/field.h"

// ssb: the SS block positions of a carrier.
namespace tarnvale::report {

inline constexpr std::array<Column<SsbChoice>, 8> kSsbColumns = {{
    {"gscn", "GSCN", Align::Right,
     [](const SsbChoice& c) { return Field(static_cast<long long>(c.position.gscn)); }},
    {"ssb_scs_khz", "SSB SCS kHz", Align::Right,
     [](const SsbChoice& c) { return Field(static_cast<long long>(c.position.scsKhz)); }},
    {"pattern", "Pattern", Align::Left,
     [](const SsbChoice& c) { return Field(std::string_view(&c.position.pattern, 1)); }},
    {"ss_ref_mhz", "SS_REF MHz", Align::Right,
     [](const SsbChoice& c) { return Field(Kilohertz{c.position.ssRefKhz}); }},
    {"ssb_arfcn", "absoluteFrequencySSB", Align::Right,
     [](const SsbChoice& c) { return Field(static_cast<long long>(c.position.ssbArfcn)); }},
    {"offset_to_point_a", "offsetToPointA", Align::Right,
     [](const SsbChoice& c) { return Field(static_cast<long long>(c.position.offsetToPointA)); }},
    {"k_ssb", "k_SSB", Align::Right,
     [](const SsbChoice& c) { return Field(static_cast<long long>(c.position.kSsb)); }},
    {"coreset0", "CORESET#0", Align::Left,
     [](const SsbChoice& c) {
         return c.coreset0Ranges.empty() ? Field() : Field(std::string_view(c.coreset0Ranges));
     }},
}};

}  // namespace tarnvale::report

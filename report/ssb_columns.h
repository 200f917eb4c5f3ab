#pragma once

#include <array>

#include "engine/ssb.h"
#include "report/field.h"

// ssb: the SS block positions of a carrier.
namespace tarnvale::report {

inline constexpr std::array<Column<SsbPosition>, 7> kSsbColumns = {{
    {"gscn", "GSCN", Align::Right,
     [](const SsbPosition& p) { return Field(static_cast<long long>(p.gscn)); }},
    {"ssb_scs_khz", "SSB SCS kHz", Align::Right,
     [](const SsbPosition& p) { return Field(static_cast<long long>(p.scsKhz)); }},
    {"pattern", "Pattern", Align::Left,
     [](const SsbPosition& p) { return Field(std::string_view(&p.pattern, 1)); }},
    {"ss_ref_mhz", "SS_REF MHz", Align::Right,
     [](const SsbPosition& p) { return Field(Kilohertz{p.ssRefKhz}); }},
    {"ssb_arfcn", "absoluteFrequencySSB", Align::Right,
     [](const SsbPosition& p) { return Field(static_cast<long long>(p.ssbArfcn)); }},
    {"offset_to_point_a", "offsetToPointA", Align::Right,
     [](const SsbPosition& p) { return Field(static_cast<long long>(p.offsetToPointA)); }},
    {"k_ssb", "k_SSB", Align::Right,
     [](const SsbPosition& p) { return Field(static_cast<long long>(p.kSsb)); }},
}};

}  // namespace tarnvale::report

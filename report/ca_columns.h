#pragma once

#include <array>
#include <string_view>

#include "engine/carrier_aggregation.h"
#include "report/field.h"

// ca: the adjacent pairs of contiguous component carriers and their aggregate. The carriers
// themselves are carrier rows.
namespace tarnvale::report {

inline Field yesNo(bool yes) {
    return std::string_view(yes ? "yes" : "no");
}

inline Field kilohertzOfHz(std::int64_t hz) {
    return General{static_cast<double>(hz) / 1000.0};
}

struct CaPairRow {
    const Aggregation* aggregation;
    const CaPair* pair;

    Channel channel(std::size_t at) const { return listedSide(aggregation->carriers[at]).channel; }
};

inline constexpr std::array<Column<CaPairRow>, 8> kCaPairColumns = {{
    {"low_channel", "Lower channel", Align::Right,
     [](const CaPairRow& r) { return Field(static_cast<long long>(r.channel(r.pair->low))); }},
    {"high_channel", "Upper channel", Align::Right,
     [](const CaPairRow& r) { return Field(static_cast<long long>(r.channel(r.pair->high))); }},
    {"nominal_spacing_mhz", "Nominal spacing MHz", Align::Right,
     [](const CaPairRow& r) { return megahertzOfHz(r.pair->rule.nominalHz); }},
    {"spacing_mhz", "Spacing MHz", Align::Right,
     [](const CaPairRow& r) { return megahertzOfHz(r.pair->spacingHz); }},
    {"step_khz", "Step kHz", Align::Right,
     [](const CaPairRow& r) { return kilohertzOfHz(r.pair->rule.stepHz); }},
    {"allowed", "Allowed", Align::Left,
     [](const CaPairRow& r) { return yesNo(r.pair->allowed()); }},
    {"rb_gap_khz", "RB gap kHz", Align::Right,
     [](const CaPairRow& r) { return kilohertzOfHz(r.pair->resourceBlockGapHz); }},
    {"overlap", "Overlap", Align::Left,
     [](const CaPairRow& r) { return yesNo(r.pair->overlaps()); }},
}};

inline constexpr std::array<Column<CaAggregate>, 5> kCaAggregateColumns = {{
    {"direction", "Direction", Align::Left,
     [](const CaAggregate& a) {
         return Field(std::string_view(a.both                               ? "both"
                                       : a.direction == Direction::Downlink ? "downlink"
                                                                            : "uplink"));
     }},
    {"low_edge_mhz", "Low edge MHz", Align::Right,
     [](const CaAggregate& a) { return megahertzOfHz(a.lowEdgeHz); }},
    {"high_edge_mhz", "High edge MHz", Align::Right,
     [](const CaAggregate& a) { return megahertzOfHz(a.highEdgeHz); }},
    {"bandwidth_mhz", "Aggregated bandwidth MHz", Align::Right,
     [](const CaAggregate& a) {
         return Field(General{static_cast<double>(a.highEdgeHz - a.lowEdgeHz) / 1e6});
     }},
    {"inside_band", "Inside the band", Align::Left,
     [](const CaAggregate& a) { return yesNo(a.insideBand); }},
}};

}  // namespace tarnvale::report

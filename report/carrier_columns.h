#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "engine/carrier.h"
#include "engine/nr_raster.h"
#include "report/field.h"

// carrier: a carrier of a bandwidth, one row for each direction.
namespace tarnvale::report {

// One direction of a carrier, as a row.
struct CarrierRow {
    const BandwidthCarrier* carrier;
    const CarrierSide* side;
    std::string_view direction;  // downlink, uplink, or both for TDD
};

// The rows of a carrier: FDD downlink then uplink (the downlink alone for a downlink-only
// carrier), TDD both, SDL downlink, SUL uplink.
std::vector<CarrierRow> carrierRows(const BandwidthCarrier& carrier);

inline constexpr std::array<Column<CarrierRow>, 13> kCarrierColumns = {{
    {"format", "Format", Align::Left,
     [](const CarrierRow& r) { return Field(r.carrier->band.formatName()); }},
    {"band", "Band", Align::Left,
     [](const CarrierRow& r) { return Field(r.carrier->band.name()); }},
    {"channel", "Channel", Align::Right,
     [](const CarrierRow& r) { return Field(static_cast<long long>(r.side->channel)); }},
    {"direction", "Direction", Align::Left, [](const CarrierRow& r) { return Field(r.direction); }},
    {"duplex", "Duplex", Align::Left,
     [](const CarrierRow& r) { return Field(duplexName(r.carrier->band.duplex())); }},
    {"bandwidth_mhz", "Bandwidth MHz", Align::Right,
     [](const CarrierRow& r) { return megahertzOfKhz(r.carrier->shape.bandwidthKhz); }},
    {"scs_khz", "SCS kHz", Align::Right,
     [](const CarrierRow& r) {
         const auto scs = r.carrier->shape.scsKhz;
         return scs == 0 ? Field() : Field(static_cast<long long>(scs));
     }},
    {"n_rb", "RBs", Align::Right,
     [](const CarrierRow& r) { return integerField(r.carrier->resourceBlocks); }},
    {"center_mhz", "Centre MHz", Align::Right,
     [](const CarrierRow& r) { return Field(Kilohertz{r.side->centreKhz}); }},
    {"low_edge_mhz", "Low edge MHz", Align::Right,
     [](const CarrierRow& r) { return Field(Kilohertz{r.side->lowEdgeKhz}); }},
    {"high_edge_mhz", "High edge MHz", Align::Right,
     [](const CarrierRow& r) { return Field(Kilohertz{r.side->highEdgeKhz}); }},
    {"point_a_arfcn", "Point A NR-ARFCN", Align::Right,
     [](const CarrierRow& r) {
         return r.side->pointAKhz ? integerField(nrArfcnAt(*r.side->pointAKhz)) : Field();
     }},
    {"point_a_mhz", "Point A MHz", Align::Right,
     [](const CarrierRow& r) { return kilohertzField(r.side->pointAKhz); }},
}};

}  // namespace tarnvale::report

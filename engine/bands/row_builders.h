#pragma once

#include <algorithm>
#include <string_view>
#include <variant>

#include "engine/band.h"
#include "engine/channel_bandwidth.h"
#include "engine/nr_raster.h"

// Constructors that turn a band as a 3GPP table writes it into a row of the band table, so each
// row reads like the table it comes from.
namespace tarnvale::band_rows {

constexpr std::int64_t khz(double mhz) {
    return static_cast<std::int64_t>(mhz * 1000 + (mhz < 0 ? -0.5 : 0.5));
}

// LTE, TS 36.101 Table 5.7.3-1: F = F_low + 0.1 (N - N_Offs) MHz for N_first to N_last.
struct Earfcns {
    double lowMhz;
    Channel offset;
    Channel first;
    Channel last;
};

constexpr CarrierRuns earfcnRuns(const Earfcns& e) {
    return {{{e.first, 1, e.last}, khz(e.lowMhz) + 100 * (std::int64_t{e.first} - e.offset), 100}};
}

// Every EARFCN range of Table 5.7.3-1 fills its band of Table 5.5-1 in 100 kHz steps: the band
// runs from the first channel's frequency to 100 kHz above the last.
constexpr std::int64_t lowEdgeKhz(const Earfcns& e) {
    return earfcnRuns(e)[0].khzOf(e.first);
}
constexpr std::int64_t highEdgeKhz(const Earfcns& e) {
    return earfcnRuns(e)[0].khzOf(e.last) + 100;
}

// LTE channel bandwidths of TS 36.101 Table 5.6.1-1, all with 15 kHz subcarriers.
constexpr InlineList<SpacingBandwidths, 4> lteBandwidths(BandwidthSet bandwidths) {
    if (bandwidths.empty()) {
        return {};
    }
    return {{15, bandwidths}};
}

constexpr Band lteFdd(std::string_view name, Earfcns downlink, Earfcns uplink, double separationMhz,
                      BandwidthSet bandwidths) {
    return {Format::Lte, name,
            ArfcnPlan{Duplex::Fdd,
                      earfcnRuns(downlink),
                      earfcnRuns(uplink),
                      khz(separationMhz),
                      100,
                      {},
                      {lowEdgeKhz(downlink), highEdgeKhz(downlink), lowEdgeKhz(uplink),
                       highEdgeKhz(uplink)},
                      lteBandwidths(bandwidths)}};
}

constexpr Band lteTdd(std::string_view name, Earfcns both, BandwidthSet bandwidths) {
    return {Format::Lte, name,
            ArfcnPlan{Duplex::Tdd,
                      earfcnRuns(both),
                      earfcnRuns(both),
                      0,
                      100,
                      {},
                      {lowEdgeKhz(both), highEdgeKhz(both), lowEdgeKhz(both), highEdgeKhz(both)},
                      lteBandwidths(bandwidths)}};
}

constexpr Band lteSdl(std::string_view name, Earfcns downlink, BandwidthSet bandwidths) {
    return {Format::Lte, name,
            ArfcnPlan{Duplex::Sdl,
                      earfcnRuns(downlink),
                      {},
                      0,
                      100,
                      {},
                      {lowEdgeKhz(downlink), highEdgeKhz(downlink), 0, 0},
                      lteBandwidths(bandwidths)}};
}

// A band's edges in MHz as TS 38.101-1 Table 5.2-1 and TS 25.101 Table 5.0 give them: uplink, then
// downlink.
struct FddEdges {
    double uplinkLow;
    double uplinkHigh;
    double downlinkLow;
    double downlinkHigh;
};

// One direction's (or a TDD band's) edges.
struct Edges {
    double low;
    double high;
};

// UMTS, TS 25.101 Table 5.1 and 5.1A: N = 5 (F - F_Offset), so F = N / 5 + F_Offset MHz, for the
// general channels or for the additional ones with their own offset.
struct Uarfcns {
    double offsetMhz;
    InlineList<ChannelRun, 3> runs;
};

constexpr void addUarfcns(CarrierRuns& runs, const Uarfcns& u) {
    for (const auto& numbers : u.runs) {
        runs.push({numbers, 200 * std::int64_t{numbers.first} + khz(u.offsetMhz), 200});
    }
}

constexpr CarrierRuns uarfcnRuns(const Uarfcns& general, const Uarfcns& additional) {
    CarrierRuns runs;
    addUarfcns(runs, general);
    addUarfcns(runs, additional);
    return runs;
}

constexpr Band umtsFdd(std::string_view name, FddEdges edges, double separationMhz, Uarfcns uplink,
                       Uarfcns downlink, Uarfcns additionalUplink = {},
                       Uarfcns additionalDownlink = {}) {
    return {Format::Umts, name,
            ArfcnPlan{Duplex::Fdd,
                      uarfcnRuns(downlink, additionalDownlink),
                      uarfcnRuns(uplink, additionalUplink),
                      khz(separationMhz),
                      200,
                      {},
                      {khz(edges.downlinkLow), khz(edges.downlinkHigh), khz(edges.uplinkLow),
                       khz(edges.uplinkHigh)}}};
}

constexpr Band umtsSdl(std::string_view name, Edges downlinkEdges, Uarfcns downlink,
                       Uarfcns additionalDownlink = {}) {
    return {Format::Umts, name,
            ArfcnPlan{Duplex::Sdl,
                      uarfcnRuns(downlink, additionalDownlink),
                      {},
                      0,
                      200,
                      {},
                      {khz(downlinkEdges.low), khz(downlinkEdges.high), 0, 0}}};
}

// NR, TS 38.104 Tables 5.4.2.3-1 and -2: NR-ARFCNs First-<Step>-Last of each channel raster
// ΔF_Raster, placed on the global raster.
struct PairedRaster {
    std::int32_t rasterKhz;
    ChannelRun downlink;
    ChannelRun uplink;
};

struct Raster {
    std::int32_t rasterKhz;
    ChannelRun numbers;
};

constexpr CarrierRun nrRun(ChannelRun numbers, std::int32_t rasterKhz) {
    return {numbers, nrArfcnKhz(numbers.first), nrGlobalStepKhz(numbers.first), rasterKhz};
}

using GscnRanges = InlineList<GscnRange, 12>;
using Bandwidths = InlineList<SpacingBandwidths, 4>;

// Every NR duplex distance is the downlink low edge minus the uplink low edge (see nr_bands.h).
constexpr Band nrFdd(std::string_view name, FddEdges edges, InlineList<PairedRaster, 3> rasters,
                     GscnRanges gscn, Bandwidths bandwidths,
                     std::span<const BandwidthChannels> channelsPerBandwidth = {}) {
    ArfcnPlan plan{Duplex::Fdd,
                   {},
                   {},
                   khz(edges.downlinkLow) - khz(edges.uplinkLow),
                   rasters[0].rasterKhz,
                   gscn,
                   {khz(edges.downlinkLow), khz(edges.downlinkHigh), khz(edges.uplinkLow),
                    khz(edges.uplinkHigh)},
                   bandwidths,
                   channelsPerBandwidth};
    for (const auto& raster : rasters) {
        plan.downlink.push(nrRun(raster.downlink, raster.rasterKhz));
        plan.uplink.push(nrRun(raster.uplink, raster.rasterKhz));
        plan.spacingKhz = std::min<std::int64_t>(plan.spacingKhz, raster.rasterKhz);
    }
    return {Format::Nr, name, plan};
}

// TDD, SDL and SUL bands have one set of numbers a raster.
constexpr Band nrOneWay(std::string_view name, Duplex duplex, Edges edges,
                        InlineList<Raster, 3> rasters, GscnRanges gscn, Bandwidths bandwidths,
                        std::span<const BandwidthChannels> channelsPerBandwidth = {}) {
    const BandEdges downlinkEdges{khz(edges.low), khz(edges.high), 0, 0};
    const BandEdges uplinkEdges{0, 0, khz(edges.low), khz(edges.high)};
    const BandEdges bothEdges{khz(edges.low), khz(edges.high), khz(edges.low), khz(edges.high)};
    ArfcnPlan plan{duplex,
                   {},
                   {},
                   0,
                   rasters[0].rasterKhz,
                   gscn,
                   duplex == Duplex::Sdl   ? downlinkEdges
                   : duplex == Duplex::Sul ? uplinkEdges
                                           : bothEdges,
                   bandwidths,
                   channelsPerBandwidth};
    for (const auto& raster : rasters) {
        if (duplex != Duplex::Sul) {
            plan.downlink.push(nrRun(raster.numbers, raster.rasterKhz));
        }
        if (duplex != Duplex::Sdl) {
            plan.uplink.push(nrRun(raster.numbers, raster.rasterKhz));
        }
        plan.spacingKhz = std::min<std::int64_t>(plan.spacingKhz, raster.rasterKhz);
    }
    return {Format::Nr, name, plan};
}

constexpr Band nrTdd(std::string_view name, Edges edges, InlineList<Raster, 3> rasters,
                     GscnRanges gscn, Bandwidths bandwidths,
                     std::span<const BandwidthChannels> channelsPerBandwidth = {}) {
    return nrOneWay(name, Duplex::Tdd, edges, rasters, gscn, bandwidths, channelsPerBandwidth);
}

constexpr Band nrSdl(std::string_view name, Edges edges, InlineList<Raster, 3> rasters,
                     GscnRanges gscn, Bandwidths bandwidths) {
    return nrOneWay(name, Duplex::Sdl, edges, rasters, gscn, bandwidths);
}

// Supplementary uplink bands carry no SS blocks.
constexpr Band nrSul(std::string_view name, Edges edges, InlineList<Raster, 3> rasters,
                     Bandwidths bandwidths) {
    return nrOneWay(name, Duplex::Sul, edges, rasters, {}, bandwidths);
}

// A band restricted to shared spectrum channel access (TS 38.101-1 Table 5.2-1 NOTE 13).
constexpr Band sharedSpectrum(Band band) {
    std::get<ArfcnPlan>(band.plan).sharedSpectrum = true;
    return band;
}

// A band whose CORESET#0 follows TS 38.213 Tables 13-5 and 13-6 (TS 38.101-1 Table 5.2-1
// NOTE 17).
constexpr Band coreset0Of40MhzBands(Band band) {
    std::get<ArfcnPlan>(band.plan).coreset0Of40MhzBands = true;
    return band;
}

// GSCN entries that a band note ties to carriers of some channel bandwidths.
constexpr GscnRange forBandwidthsFrom(double mhz, GscnRange range) {
    range.fromBandwidthKhz = bandwidthKhz(mhz);
    return range;
}

constexpr GscnRange forBandwidthsBelow(double mhz, GscnRange range) {
    range.belowBandwidthKhz = bandwidthKhz(mhz);
    return range;
}

}  // namespace tarnvale::band_rows

#pragma once

#include <algorithm>
#include <string_view>

#include "engine/band.h"
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

constexpr Band lteFdd(std::string_view name, Earfcns downlink, Earfcns uplink,
                      double separationMhz) {
    return {
        Format::Lte, name,
        ArfcnPlan{Duplex::Fdd, earfcnRuns(downlink), earfcnRuns(uplink), khz(separationMhz), 100}};
}

constexpr Band lteTdd(std::string_view name, Earfcns both) {
    return {Format::Lte, name, ArfcnPlan{Duplex::Tdd, earfcnRuns(both), earfcnRuns(both), 0, 100}};
}

constexpr Band lteSdl(std::string_view name, Earfcns downlink) {
    return {Format::Lte, name, ArfcnPlan{Duplex::Sdl, earfcnRuns(downlink), {}, 0, 100}};
}

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

constexpr Band umtsFdd(std::string_view name, double separationMhz, Uarfcns uplink,
                       Uarfcns downlink, Uarfcns additionalUplink = {},
                       Uarfcns additionalDownlink = {}) {
    return {Format::Umts, name,
            ArfcnPlan{Duplex::Fdd, uarfcnRuns(downlink, additionalDownlink),
                      uarfcnRuns(uplink, additionalUplink), khz(separationMhz), 200}};
}

constexpr Band umtsSdl(std::string_view name, Uarfcns downlink, Uarfcns additionalDownlink = {}) {
    return {Format::Umts, name,
            ArfcnPlan{Duplex::Sdl, uarfcnRuns(downlink, additionalDownlink), {}, 0, 200}};
}

// NR, TS 38.104 Tables 5.4.2.3-1 and -2: NR-ARFCNs First-<Step>-Last of each channel raster
// ΔF_Raster, placed on the global raster.
constexpr CarrierRun nrRun(ChannelRun numbers) {
    return {numbers, nrArfcnKhz(numbers.first), nrGlobalStepKhz(numbers.first)};
}

struct PairedRaster {
    std::int64_t rasterKhz;
    ChannelRun downlink;
    ChannelRun uplink;
};

struct Raster {
    std::int64_t rasterKhz;
    ChannelRun numbers;
};

using GscnRanges = InlineList<GscnRange, 12>;

constexpr Band nrFdd(std::string_view name, double duplexMhz, InlineList<PairedRaster, 3> rasters,
                     GscnRanges gscn) {
    ArfcnPlan plan{Duplex::Fdd, {}, {}, khz(duplexMhz), rasters[0].rasterKhz, gscn};
    for (const auto& raster : rasters) {
        plan.downlink.push(nrRun(raster.downlink));
        plan.uplink.push(nrRun(raster.uplink));
        plan.spacingKhz = std::min(plan.spacingKhz, raster.rasterKhz);
    }
    return {Format::Nr, name, plan};
}

// TDD, SDL and SUL bands have one set of numbers a raster.
constexpr Band nrOneWay(std::string_view name, Duplex duplex, InlineList<Raster, 3> rasters,
                        GscnRanges gscn) {
    ArfcnPlan plan{duplex, {}, {}, 0, rasters[0].rasterKhz, gscn};
    for (const auto& raster : rasters) {
        if (duplex != Duplex::Sul) {
            plan.downlink.push(nrRun(raster.numbers));
        }
        if (duplex != Duplex::Sdl) {
            plan.uplink.push(nrRun(raster.numbers));
        }
        plan.spacingKhz = std::min(plan.spacingKhz, raster.rasterKhz);
    }
    return {Format::Nr, name, plan};
}

constexpr Band nrTdd(std::string_view name, InlineList<Raster, 3> rasters, GscnRanges gscn = {}) {
    return nrOneWay(name, Duplex::Tdd, rasters, gscn);
}

constexpr Band nrSdl(std::string_view name, InlineList<Raster, 3> rasters, GscnRanges gscn) {
    return nrOneWay(name, Duplex::Sdl, rasters, gscn);
}

// Supplementary uplink bands carry no SS blocks.
constexpr Band nrSul(std::string_view name, InlineList<Raster, 3> rasters) {
    return nrOneWay(name, Duplex::Sul, rasters, {});
}

}  // namespace tarnvale::band_rows

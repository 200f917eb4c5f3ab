#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/arfcn_plan.h"
#include "engine/band_table.h"
#include "engine/carrier.h"
#include "engine/nr_raster.h"
#include "engine/run_union.h"
#include "engine/ssb.h"

// Carriers of every bandwidth of every band: the valid channels are the ones the rules give
// channel by channel, the outermost carriers lie inside the band and the next ones out do not,
// and every SS block position lies inside its carrier, on the raster, at the offsets a cell
// would configure.
namespace tarnvale {
namespace {

class EveryCarrierBand : public ::testing::TestWithParam<Format> {};

std::string nameOf(BandRef band, const AllowedBandwidth& allowed) {
    return std::string(band.name()) + " " + std::to_string(allowed.bandwidthKhz) + " kHz at " +
           std::to_string(allowed.scsKhz) + " kHz";
}

// The rasters TS 38.101-1 and -2 clause 5.4.2.3 give a spacing: FR1 15 kHz carriers the 15 kHz
// raster, 30 and 60 kHz ones the 30 kHz raster; FR2 the raster of the spacing; a 100 kHz
// raster serves all.
bool serves(std::int32_t rasterKhz, std::int32_t scsKhz, bool fr2) {
    if (rasterKhz == 100 || rasterKhz == 10) {
        return true;
    }
    if (fr2) {
        return rasterKhz == scsKhz;
    }
    return rasterKhz == (scsKhz == 15 ? 15 : 30);
}

// Whether a carrier of the shape may sit at a listed channel, read off the rules channel by
// channel.
bool validByTheRules(BandRef band, const ArfcnPlan& plan, const CarrierShape& shape,
                     Channel channel) {
    if (band.format() == Format::Umts) {
        return true;
    }
    if (!plan.channelsPerBandwidth.empty()) {
        for (const auto& list : plan.channelsPerBandwidth) {
            if (list.bandwidthKhz == shape.bandwidthKhz) {
                return std::ranges::binary_search(list.downlink, channel);
            }
        }
        return false;
    }
    const auto& runs = listedRuns(plan);
    const bool fr2 = runs.front().firstKhz >= kFr2LowKhz;
    const bool bandHasRaster = std::ranges::any_of(runs, [&](const CarrierRun& run) {
        return band.format() == Format::Lte || serves(run.rasterKhz, shape.scsKhz, fr2);
    });
    const bool onRaster = std::ranges::any_of(runs, [&](const CarrierRun& run) {
        const bool rasterFits = band.format() == Format::Lte || !bandHasRaster ||
                                serves(run.rasterKhz, shape.scsKhz, fr2);
        return rasterFits && run.numbers.holds(channel);
    });
    const auto centre = *carrierKhz(runs, channel);
    const bool sul = plan.duplex == Duplex::Sul;
    const auto low = sul ? plan.edges.uplinkLowKhz : plan.edges.downlinkLowKhz;
    const auto high = sul ? plan.edges.uplinkHighKhz : plan.edges.downlinkHighKhz;
    return onRaster && centre - shape.bandwidthKhz / 2 >= low &&
           centre + shape.bandwidthKhz / 2 <= high;
}

TEST_P(EveryCarrierBand, ValidChannelsAreThoseTheRulesGive) {
    for (const BandRef band : bandsOf(GetParam())) {
        const auto& plan = *band.plan<ArfcnPlan>();
        const auto listed = numbersOf(listedRuns(plan));
        for (const auto& allowed : allowedBandwidths(band)) {
            const CarrierShape shape{allowed.bandwidthKhz, allowed.scsKhz, 0};
            const auto valid = carrierChannels(band, shape);
            std::size_t count = 0;
            int wrong = 0;
            forEachInUnion(listed.view(), [&](Channel channel) {
                const bool expected = validByTheRules(band, plan, shape, channel);
                count += expected ? 1 : 0;
                if (expected != valid.contains(channel) && ++wrong <= 3) {
                    ADD_FAILURE() << nameOf(band, allowed) << ": channel " << channel;
                }
            });
            EXPECT_EQ(valid.size(), count) << nameOf(band, allowed);
        }
    }
}

// The lowest and highest carriers have their downlink (an SUL band's uplink) inside the band,
// and the channel one raster step further out does not; every valid carrier has a Point A
// above 0 and an uplink, where it has one, inside the uplink band.
TEST_P(EveryCarrierBand, OutermostCarriersTouchTheBandEdges) {
    if (GetParam() == Format::Umts) {
        return;  // 3GPP places UMTS edge carriers 0.1 MHz across their band on purpose
    }
    for (const BandRef band : bandsOf(GetParam())) {
        const auto& plan = *band.plan<ArfcnPlan>();
        for (const auto& allowed : allowedBandwidths(band)) {
            const CarrierShape shape{allowed.bandwidthKhz, allowed.scsKhz, 0};
            const auto valid = carrierChannels(band, shape);
            if (valid.empty() || !plan.channelsPerBandwidth.empty()) {
                continue;  // a listed channel is valid as it stands
            }
            SCOPED_TRACE(nameOf(band, allowed));
            const bool sul = plan.duplex == Duplex::Sul;
            const auto low = sul ? plan.edges.uplinkLowKhz : plan.edges.downlinkLowKhz;
            const auto high = sul ? plan.edges.uplinkHighKhz : plan.edges.downlinkHighKhz;
            for (const auto channel : {valid.at(0), valid.at(valid.size() - 1)}) {
                const auto carrier = carrierAt(band, channel, shape);
                ASSERT_TRUE(carrier.value) << carrier.problem;
                const auto& side = sul ? carrier.value->uplink : carrier.value->downlink;
                EXPECT_GE(side->lowEdgeKhz, low);
                EXPECT_LE(side->highEdgeKhz, high);
                EXPECT_TRUE(!side->pointAKhz || *side->pointAKhz >= 0);
                if (!sul && carrier.value->uplink) {
                    EXPECT_GE(carrier.value->uplink->lowEdgeKhz, plan.edges.uplinkLowKhz);
                    EXPECT_LE(carrier.value->uplink->highEdgeKhz, plan.edges.uplinkHighKhz);
                }
                const bool lowest = channel == valid.at(0);
                const bool fr2 = carrierKind(band) == CarrierKind::NrFr2;
                for (const auto& run : listedRuns(plan)) {
                    const Channel out =
                        lowest ? channel - run.numbers.step : channel + run.numbers.step;
                    const bool ownRaster =
                        band.format() == Format::Lte || serves(run.rasterKhz, shape.scsKhz, fr2);
                    if (ownRaster && run.numbers.holds(channel) && run.numbers.holds(out) &&
                        !valid.contains(out)) {
                        const auto beyond = carrierAt(band, out, shape);
                        EXPECT_FALSE(beyond.value) << out;
                        EXPECT_NE(beyond.problem.find(lowest ? "lower" : "upper"),
                                  std::string::npos)
                            << beyond.problem;
                    }
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, EveryCarrierBand,
                         ::testing::Values(Format::Lte, Format::Nr, Format::Umts),
                         [](const auto& info) { return std::string(formatName(info.param)); });

// Every SS block position of a carrier in the middle of each band's valid channels, for every
// bandwidth and spacing.
TEST(EveryNrCarrier, SsBlocksLieInsideTheCarrierOnTheRaster) {
    std::size_t checked = 0;
    for (const BandRef band : bandsOf(Format::Nr)) {
        const auto& plan = *band.plan<ArfcnPlan>();
        const bool fr2 = carrierKind(band) == CarrierKind::NrFr2;
        for (const auto& allowed : allowedBandwidths(band)) {
            const CarrierShape shape{allowed.bandwidthKhz, allowed.scsKhz, 3};
            const auto valid = carrierChannels(band, shape);
            if (valid.empty() || plan.duplex == Duplex::Sul) {
                continue;
            }
            SCOPED_TRACE(nameOf(band, allowed));
            const auto carrier = *carrierAt(band, valid.at(valid.size() / 2), shape).value;
            const auto& side = *carrier.downlink;
            // In Hz: the edges of 15 kHz subcarriers fall on half kilohertz.
            const std::int64_t scs = shape.scsKhz;
            const std::int64_t lowest = side.centreKhz - 6 * *carrier.resourceBlocks * scs;
            const std::int64_t bottomHz = lowest * 1000 - scs * 500;
            const std::int64_t topHz = bottomHz + 12 * *carrier.resourceBlocks * scs * 1000;
            const bool fr2_2 = side.centreKhz >= kFr2_2LowKhz;
            for (const auto& p : ssbPositions(carrier)) {
                ++checked;
                const bool onRaster = std::ranges::any_of(plan.gscn, [&](const GscnRange& r) {
                    return r.scsKhz == p.scsKhz && r.pattern == p.pattern && r.gscn.holds(p.gscn) &&
                           r.appliesTo(shape.bandwidthKhz);
                });
                EXPECT_TRUE(onRaster) << p.gscn;
                EXPECT_EQ(p.ssRefKhz, gscnKhz(p.gscn));
                EXPECT_EQ(nrArfcnKhz(p.ssbArfcn), p.ssRefKhz);
                // The subcarriers received: 48 to 191 of a 3 MHz channel's block, else all.
                const std::int64_t first = shape.bandwidthKhz == 3000 ? 48 : 0;
                const std::int64_t count = shape.bandwidthKhz == 3000 ? 144 : 240;
                const std::int64_t firstKhz = p.ssRefKhz + (first - 120) * p.scsKhz;
                EXPECT_GE(firstKhz * 1000 - p.scsKhz * 500, bottomHz) << p.gscn;
                EXPECT_LE((firstKhz + count * p.scsKhz) * 1000 - p.scsKhz * 500, topHz) << p.gscn;
                const std::int64_t common = fr2_2 || plan.sharedSpectrum ? p.scsKhz
                                            : fr2                        ? scs
                                                  : std::min<std::int64_t>(scs, 30);
                const std::int64_t fromPointA = firstKhz - *side.pointAKhz;
                const std::int64_t rb = fr2 ? 720 : 180;
                const std::int64_t unit = fr2 ? common : 15;
                EXPECT_EQ(p.offsetToPointA * rb + p.kSsb * unit, fromPointA) << p.gscn;
                EXPECT_EQ(p.offsetToPointA * rb % (12 * common), 0) << p.gscn;
                EXPECT_LT(p.kSsb * unit, 12 * common) << p.gscn;
            }
        }
    }
    EXPECT_GT(checked, 10000u);
}

}  // namespace
}  // namespace tarnvale

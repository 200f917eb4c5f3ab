#include "engine/cell_config.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/band_table.h"
#include "engine/config_check.h"
#include "engine/nr_raster.h"
#include "test_bands.h"

// CORESET#0 and a cell's fields: published configurations, the fit of every row of every
// carrier, and config and check against each other.
namespace tarnvale {
namespace {

using testing::bandNamed;

// A test frequency of TS 38.508-1 clause 4.3.1 with the CORESET#0 it configures: band,
// bandwidth (MHz, 15 kHz subcarriers), offsetToCarrier, centre NR-ARFCN, GSCN and
// controlResourceSetZero. Tables 4.3.1.1.1.1-1 (n1, V18.2.0), 4.3.1.1.1.28-1 (n28, V17.7.0),
// 4.3.1.1.1.40-1, 48-1, 70-1 and 78-1, as public transcriptions give them.
struct PublishedCell {
    const char* band;
    double bandwidthMhz;
    std::int32_t offsetToCarrier;
    Channel centre;
    Channel gscn;
    int coreset0;
};

const PublishedCell kPublishedCells[] = {
    {"n1", 5, 0, 422500, 5279, 0},
    {"n1", 5, 102, 428000, 5350, 0},
    {"n1", 5, 504, 433500, 5418, 0},
    {"n1", 10, 0, 423000, 5280, 0},
    {"n1", 10, 102, 428000, 5344, 0},
    {"n1", 10, 504, 433000, 5405, 0},
    {"n1", 15, 0, 423500, 5281, 0},
    {"n1", 15, 102, 428000, 5338, 1},
    {"n1", 15, 504, 432500, 5395, 1},
    {"n28", 5, 0, 152100, 1902, 2},
    {"n28", 5, 102, 156100, 1949, 0},
    {"n28", 5, 504, 160100, 2002, 1},
    {"n28", 10, 0, 152600, 1903, 2},
    {"n28", 10, 102, 156100, 1943, 0},
    {"n28", 10, 504, 159600, 1989, 1},
    {"n28", 15, 0, 153100, 1901, 1},
    {"n28", 15, 102, 156100, 1937, 0},
    {"n28", 15, 504, 159100, 1976, 1},
    {"n48", 10, 0, 637000, 7884, 0},
    {"n48", 10, 102, 641666, 7933, 0},
    {"n48", 10, 504, 646332, 7982, 1},
    {"n48", 15, 0, 637168, 7884, 0},
    {"n48", 15, 102, 641666, 7931, 0},
    {"n48", 15, 504, 646166, 7978, 0},
    {"n48", 20, 0, 637334, 7885, 1},
    {"n48", 20, 102, 641666, 7930, 1},
    {"n48", 20, 504, 646000, 7975, 1},
    {"n48", 30, 0, 637668, 7885, 1},
    {"n48", 30, 102, 641666, 7926, 0},
    {"n40", 10, 0, 461000, 5764, 1},
    {"n40", 10, 102, 470000, 5875, 0},
    {"n40", 10, 504, 479000, 5989, 1},
    {"n40", 15, 0, 461500, 5762, 1},
    {"n40", 15, 102, 470000, 5869, 0},
    {"n40", 15, 504, 478500, 5973, 0},
    {"n78", 10, 0, 620334, 7711, 1},
    {"n78", 10, 102, 636666, 7881, 1},
    {"n78", 10, 504, 653000, 8051, 0},
    {"n78", 15, 0, 620500, 7711, 1},
    {"n78", 15, 102, 636666, 7879, 0},
    {"n78", 15, 504, 652832, 8048, 1},
    {"n78", 20, 0, 620668, 7711, 1},
    {"n78", 20, 102, 636666, 7878, 1},
    {"n78", 20, 504, 652666, 8044, 0},
    {"n78", 25, 0, 620834, 7711, 1},
    {"n70", 5, 0, 399500, 4993, 0},
    {"n70", 5, 102, 400500, 5007, 2},
    {"n70", 5, 504, 401500, 5018, 1},
    {"n70", 10, 0, 400000, 4994, 2},
    // srsRAN_Project's DU configuration tests (test_ssb_coreset0_freq_pos_generator.cpp),
    // whose index is one its own rule picks among the valid ones.
    {"n3", 10, 0, 365000, 4558, 2},
    {"n7", 5, 0, 531720, 6645, 0},
    {"n28", 20, 0, 156100, 1931, 0},
};

TEST(CellConfig, PublishedConfigurationsAreValidOnes) {
    for (const auto& p : kPublishedCells) {
        SCOPED_TRACE(std::string(p.band) + " " + std::to_string(p.centre));
        const auto band = bandNamed("NR", p.band);
        const CarrierShape shape{bandwidthKhz(p.bandwidthMhz), 15, p.offsetToCarrier};
        const auto carrier = carrierAt(band, p.centre, shape);
        ASSERT_TRUE(carrier.value) << carrier.problem;
        const auto choices = ssbChoices(*carrier.value);
        const auto found =
            std::ranges::find(choices, p.gscn, [](const SsbChoice& c) { return c.position.gscn; });
        ASSERT_NE(found, choices.end());
        EXPECT_NE(std::ranges::find(found->coreset0, p.coreset0), found->coreset0.end())
            << found->coreset0Ranges;
    }
}

// A carrier in the middle of each NR band's channels, for every bandwidth and spacing.
template <typename Visit>
void forEveryNrCarrier(Visit visit) {
    for (const BandRef band : bandsOf(Format::Nr)) {
        for (const auto& allowed : allowedBandwidths(band)) {
            const CarrierShape shape{allowed.bandwidthKhz, allowed.scsKhz, 0};
            const auto valid = carrierChannels(band, shape);
            const auto carrier = carrierAt(band, valid.at(valid.size() / 2), shape);
            if (carrier.value && carrier.value->downlink) {
                SCOPED_TRACE(std::string(band.name()) + " " + std::to_string(allowed.bandwidthKhz) +
                             " kHz at " + std::to_string(allowed.scsKhz));
                visit(*carrier.value);
            }
        }
    }
}

// Every row of the table fits where its resource blocks lie within the carrier's, counted as
// common resource blocks: from offsetToCarrier for N_RB blocks.
TEST(CellConfig, ARowFitsWhereItsBlocksAreTheCarriers) {
    std::size_t fitting = 0;
    forEveryNrCarrier([&](const BandwidthCarrier& carrier) {
        const std::int64_t first = carrier.shape.offsetToCarrier;
        const std::int64_t last = first + *carrier.resourceBlocks - 1;
        for (const auto& choice : ssbChoices(carrier)) {
            for (int index = 0; index < 16; ++index) {
                const auto place = coreset0At(carrier, choice.position, index);
                const bool listed =
                    std::ranges::find(choice.coreset0, index) != choice.coreset0.end();
                const bool inside = place.value && place.value->scsKhz == carrier.shape.scsKhz &&
                                    place.value->firstCrb >= first &&
                                    place.value->firstCrb + place.value->occupiedBlocks - 1 <= last;
                EXPECT_EQ(listed, inside) << choice.position.gscn << " row " << index;
                fitting += listed ? 1 : 0;
            }
        }
    });
    EXPECT_GT(fitting, 10000u);
}

GivenCell givenOf(const CellConfig& config) {
    const auto& c = config.carrier;
    GivenCell given{c.band};
    given.pointA = *nrArfcnAt(*c.downlink->pointAKhz);
    given.offsetToCarrier = c.shape.offsetToCarrier;
    given.carrierBandwidth = *c.resourceBlocks;
    given.scsKhz = c.shape.scsKhz;
    given.ssbArfcn = config.ssb.ssbArfcn;
    given.ssbScsKhz = config.ssb.scsKhz;
    given.kSsb = config.ssb.kSsb;
    given.offsetToPointA = config.ssb.offsetToPointA;
    if (config.coreset0) {
        given.coreset0 = config.coreset0->index;
        given.searchSpaceZero = config.searchSpaceZero;
    }
    given.bwpLocationAndBandwidth = locationAndBandwidth(0, *c.resourceBlocks);
    if (c.uplink && c.band.duplex() == Duplex::Fdd) {
        given.uplinkPointA = *nrArfcnAt(*c.uplink->pointAKhz);
        given.uplinkCarrierBandwidth = *c.resourceBlocks;
        given.uplinkScsKhz = c.shape.scsKhz;
    }
    return given;
}

std::vector<std::string> namedFields(const CellCheck& check) {
    std::vector<std::string> names;
    for (const auto& problem : check.problems) {
        names.emplace_back(problem.field.name);
    }
    return names;
}

struct Change {
    const char* field;
    bool breaks;  // whatever the cell: the change always breaks a relation
    void (*apply)(GivenCell&, const CellConfig&);
};

const Change kChanges[] = {
    {"absoluteFrequencyPointA", true, [](GivenCell& g, const CellConfig&) { ++*g.pointA; }},
    {"carrierBandwidth", false, [](GivenCell& g, const CellConfig&) { ++*g.carrierBandwidth; }},
    {"subcarrierSpacing", true, [](GivenCell& g, const CellConfig&) { g.scsKhz = 45; }},
    {"ssb-SubcarrierOffset", true, [](GivenCell& g, const CellConfig&) { ++*g.kSsb; }},
    {"offsetToPointA", true, [](GivenCell& g, const CellConfig&) { ++*g.offsetToPointA; }},
    {"offsetToCarrier", false, [](GivenCell& g, const CellConfig&) { ++g.offsetToCarrier; }},
    {"controlResourceSetZero", false,
     [](GivenCell& g, const CellConfig&) { g.coreset0 = (*g.coreset0 + 1) % 16; }},
    {"searchSpaceZero", false, [](GivenCell& g, const CellConfig&) { g.searchSpaceZero = 14; }},
    // The SS block one common resource block up, offsetToPointA with it: off its GSCN.
    {"absoluteFrequencySSB", true,
     [](GivenCell& g, const CellConfig& c) {
         const auto grid = ssbGrid(c.carrier.band, commonSpacingOf(c.carrier), c.ssb.scsKhz);
         g.ssbArfcn = *nrArfcnAt(c.ssb.ssRefKhz + 12 * std::int64_t{grid.commonScsKhz});
         *g.offsetToPointA += 12 * grid.commonScsKhz / grid.offsetRbKhz;
     }},
};

// What config writes, check finds consistent; a change of one field that breaks a relation is
// named by the field changed.
TEST(CellConfig, CheckFindsConfigConsistentAndNamesTheFieldChanged) {
    std::size_t checked = 0;
    forEveryNrCarrier([&](const BandwidthCarrier& carrier) {
        const auto config = configureCell(carrier, {});
        if (!config.value || !config.value->coreset0) {
            return;
        }
        const auto good = givenOf(*config.value);
        EXPECT_EQ(namedFields(checkCell(good)), std::vector<std::string>{});
        for (const auto& change : kChanges) {
            auto changed = good;
            change.apply(changed, *config.value);
            const auto names = namedFields(checkCell(changed));
            if (change.breaks) {
                EXPECT_FALSE(names.empty()) << change.field;
            }
            if (!names.empty()) {
                EXPECT_NE(std::ranges::find(names, change.field), names.end())
                    << change.field << " named " << ::testing::PrintToString(names);
            }
        }
        ++checked;
    });
    EXPECT_GT(checked, 500u);
}

TEST(CellConfig, LocationAndBandwidthRoundTrips) {
    for (int length = 1; length <= 275; ++length) {
        for (int start = 0; start + length <= 275; ++start) {
            const auto blocks = bwpBlocks(locationAndBandwidth(start, length));
            ASSERT_TRUE(blocks);
            EXPECT_EQ(blocks->start, start);
            EXPECT_EQ(blocks->length, length);
        }
    }
    EXPECT_EQ(locationAndBandwidth(0, 106), 28875);  // OpenAirInterface's 106 blocks
    EXPECT_EQ(locationAndBandwidth(0, 273), 1099);
    EXPECT_FALSE(bwpBlocks(275 * 275));
}

}  // namespace
}  // namespace tarnvale

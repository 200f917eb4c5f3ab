#include "engine/carrier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "engine/arfcn_plan.h"
#include "engine/band_names.h"
#include "engine/band_table.h"
#include "engine/nr_raster.h"
#include "engine/ssb.h"
#include "test_bands.h"

// Carriers with a bandwidth against published test frequencies, and their rules checked over
// every band and every bandwidth.
namespace tarnvale {
namespace {

using testing::bandNamed;

enum class Link { Down, Up, Both };

// A carrier of TS 38.508-1 clause 4.3.1: its centre and Point A, and where the table names
// one, its SS block with the offsetToPointA and k_SSB a cell configures for it.
struct TestFrequency {
    const char* band;
    std::int32_t scsKhz;
    double bandwidthMhz;
    std::int32_t offsetToCarrier;
    Link link;
    Channel centre;
    Channel pointA;
    std::int32_t ssbScsKhz;
    Channel gscn;  // 0: none
    int offsetToPointA;
    int kSsb;
    const char* source;
};

void PrintTo(const TestFrequency& t, std::ostream* os) {
    *os << t.band << " " << t.bandwidthMhz << " MHz " << t.centre << " (" << t.source << ")";
}

const TestFrequency kTestFrequencies[] = {
    {"n1", 15, 5, 0, Link::Down, 422500, 422050, 15, 5279, 0, 0,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 Low"},
    {"n1", 15, 5, 102, Link::Down, 428000, 423878, 15, 5350, 103, 8,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 Mid"},
    {"n1", 15, 5, 504, Link::Down, 433500, 414906, 15, 5418, 505, 8,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 High"},
    {"n1", 15, 5, 0, Link::Up, 384500, 384050, 0, 0, 0, 0,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 Low"},
    {"n1", 15, 5, 504, Link::Up, 390000, 371406, 0, 0, 0, 0,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 Mid"},
    {"n1", 15, 5, 6, Link::Up, 395500, 394834, 0, 0, 0, 0,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 High"},
    {"n1", 15, 10, 0, Link::Down, 423000, 422064, 15, 5280, 0, 2,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 Low"},
    {"n1", 15, 10, 102, Link::Down, 428000, 423392, 15, 5344, 103, 10,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 Mid"},
    {"n1", 15, 10, 504, Link::Down, 433000, 413920, 15, 5405, 505, 10,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 High"},
    {"n1", 15, 10, 0, Link::Up, 385000, 384064, 0, 0, 0, 0,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 Low"},
    {"n1", 15, 10, 504, Link::Up, 390000, 370920, 0, 0, 0, 0,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 Mid"},
    {"n1", 15, 10, 6, Link::Up, 395000, 393848, 0, 0, 0, 0,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 High"},
    {"n1", 15, 15, 0, Link::Down, 423500, 422078, 15, 5281, 0, 4,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 Low"},
    {"n1", 15, 15, 102, Link::Down, 428000, 422906, 15, 5338, 104, 0,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 Mid"},
    {"n1", 15, 15, 504, Link::Down, 432500, 412934, 15, 5395, 507, 8,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 High"},
    {"n1", 15, 15, 0, Link::Up, 385500, 384078, 0, 0, 0, 0,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.1-1 Low"},
    {"n5", 15, 5, 0, Link::Down, 174300, 173850, 15, 2178, 1, 8,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.5-1 Low"},
    {"n5", 15, 5, 102, Link::Down, 176300, 172178, 15, 2203, 102, 0,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.5-1 Mid"},
    {"n5", 15, 5, 504, Link::Down, 178300, 159706, 15, 2228, 507, 4,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.5-1 High"},
    {"n5", 15, 5, 0, Link::Up, 165300, 164850, 0, 0, 0, 0,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.5-1 Low"},
    {"n7", 15, 5, 0, Link::Down, 524500, 524050, 15, 6554, 0, 0,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.7-1 Low"},
    {"n7", 15, 5, 102, Link::Down, 531000, 526878, 15, 6636, 102, 0,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.7-1 Mid"},
    {"n7", 15, 5, 504, Link::Down, 537500, 518906, 15, 6718, 504, 0,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.7-1 High"},
    {"n7", 15, 5, 0, Link::Up, 500500, 500050, 0, 0, 0, 0,
     "TS 38.508-1 V18.2.0 Table 4.3.1.1.1.7-1 Low"},
    {"n28", 15, 5, 0, Link::Down, 152100, 151650, 15, 1902, 5, 0,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 Low"},
    {"n28", 15, 5, 102, Link::Down, 156100, 151978, 15, 1949, 102, 0,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 Mid"},
    {"n28", 15, 5, 504, Link::Down, 160100, 141506, 15, 2002, 507, 4,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 High"},
    {"n28", 15, 5, 0, Link::Up, 141100, 140650, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 Low"},
    {"n28", 15, 5, 504, Link::Up, 145100, 126506, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 Mid"},
    {"n28", 15, 5, 6, Link::Up, 149100, 148434, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 High"},
    {"n28", 15, 10, 0, Link::Down, 152600, 151664, 15, 1903, 5, 2,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 Low"},
    {"n28", 15, 10, 102, Link::Down, 156100, 151492, 15, 1943, 102, 2,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 Mid"},
    {"n28", 15, 10, 504, Link::Down, 159600, 140520, 15, 1989, 507, 6,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 High"},
    {"n28", 15, 10, 0, Link::Up, 141600, 140664, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 Low"},
    {"n28", 15, 10, 504, Link::Up, 145100, 126020, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 Mid"},
    {"n28", 15, 10, 6, Link::Up, 148600, 147448, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 High"},
    {"n28", 15, 15, 0, Link::Down, 153100, 151678, 15, 1901, 3, 8,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 Low"},
    {"n28", 15, 15, 102, Link::Down, 156100, 151006, 15, 1937, 102, 4,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 Mid"},
    {"n28", 15, 15, 504, Link::Down, 159100, 139534, 15, 1976, 507, 8,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 High"},
    {"n28", 15, 15, 0, Link::Up, 142100, 140678, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 Low"},
    {"n28", 15, 15, 504, Link::Up, 145100, 125534, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 Mid"},
    {"n28", 15, 15, 6, Link::Up, 148100, 146462, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 Table 4.3.1.1.1.28-1 High"},
    {"n40", 15, 5, 0, Link::Both, 460500, 460050, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.40-1 Low"},
    {"n40", 15, 5, 102, Link::Both, 470000, 465878, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.40-1 Mid"},
    {"n40", 15, 5, 504, Link::Both, 479500, 460906, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.40-1 High"},
    {"n40", 15, 10, 0, Link::Both, 461000, 460064, 30, 5764, 8, 6,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.40-1 Low"},
    {"n40", 15, 10, 102, Link::Both, 470000, 465392, 30, 5875, 107, 2,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.40-1 Mid"},
    {"n40", 15, 10, 504, Link::Both, 479000, 459920, 30, 5989, 512, 6,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.40-1 High"},
    {"n40", 15, 15, 0, Link::Both, 461500, 460078, 30, 5762, 7, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.40-1 Low"},
    {"n40", 15, 15, 102, Link::Both, 470000, 464906, 30, 5869, 107, 4,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.40-1 Mid"},
    {"n40", 15, 15, 504, Link::Both, 478500, 458934, 30, 5973, 506, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.40-1 High"},
    {"n40", 15, 20, 0, Link::Both, 462000, 460092, 30, 5763, 7, 2,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.40-1 Low"},
    {"n48", 15, 5, 0, Link::Both, 636834, 636684, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.48-1 Low"},
    {"n48", 15, 5, 102, Link::Both, 641667, 640293, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.48-1 Mid"},
    {"n48", 15, 5, 504, Link::Both, 646500, 640302, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.48-1 High"},
    {"n48", 15, 10, 0, Link::Both, 637000, 636688, 30, 7884, 2, 8,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.48-1 Low"},
    {"n48", 15, 10, 102, Link::Both, 641666, 640130, 30, 7933, 107, 10,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.48-1 Mid"},
    {"n48", 15, 10, 504, Link::Both, 646332, 639972, 30, 7982, 513, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.48-1 High"},
    {"n48", 15, 15, 0, Link::Both, 637168, 636694, 30, 7884, 2, 2,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.48-1 Low"},
    {"n48", 15, 15, 102, Link::Both, 641666, 639968, 30, 7931, 105, 4,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.48-1 Mid"},
    {"n48", 15, 15, 504, Link::Both, 646166, 639644, 30, 7978, 508, 4,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.48-1 High"},
    {"n48", 15, 20, 0, Link::Both, 637334, 636698, 30, 7885, 9, 10,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.48-1 Low"},
    {"n48", 15, 20, 102, Link::Both, 641666, 639806, 30, 7930, 110, 10,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.48-1 Mid"},
    {"n48", 15, 20, 504, Link::Both, 646000, 639316, 30, 7975, 511, 8,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.48-1 High"},
    {"n48", 15, 30, 0, Link::Both, 637668, 636708, 30, 7885, 9, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.48-1 Low"},
    {"n48", 15, 30, 102, Link::Both, 641666, 639482, 30, 7926, 105, 10,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.48-1 Mid"},
    {"n48", 15, 30, 504, Link::Both, 645666, 638658, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.48-1 High"},
    {"n70", 15, 5, 0, Link::Down, 399500, 399050, 15, 4993, 0, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.70-1 Low"},
    {"n70", 15, 5, 102, Link::Down, 400500, 396378, 15, 5007, 107, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.70-1 Mid"},
    {"n70", 15, 5, 504, Link::Down, 401500, 382906, 15, 5018, 507, 4,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.70-1 High"},
    {"n70", 15, 5, 0, Link::Up, 339500, 339050, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.70-1 Low"},
    {"n70", 15, 5, 504, Link::Up, 340500, 321906, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.70-1 Mid"},
    {"n70", 15, 5, 6, Link::Up, 341500, 340834, 0, 0, 0, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.70-1 High"},
    {"n70", 15, 10, 0, Link::Down, 400000, 399064, 15, 4994, 5, 2,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.70-1 Low"},
    {"n78", 15, 10, 0, Link::Both, 620334, 620022, 30, 7711, 7, 6,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.78-1 Low"},
    {"n78", 15, 10, 102, Link::Both, 636666, 635130, 30, 7881, 108, 6,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.78-1 Mid"},
    {"n78", 15, 10, 504, Link::Both, 653000, 646640, 30, 8051, 509, 4,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.78-1 High"},
    {"n78", 15, 15, 0, Link::Both, 620500, 620026, 30, 7711, 7, 2,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.78-1 Low"},
    {"n78", 15, 15, 102, Link::Both, 636666, 634968, 30, 7879, 106, 0,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.78-1 Mid"},
    {"n78", 15, 15, 504, Link::Both, 652832, 646310, 30, 8048, 512, 10,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.78-1 High"},
    {"n78", 15, 20, 0, Link::Both, 620668, 620032, 30, 7711, 6, 8,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.78-1 Low"},
    {"n78", 15, 20, 102, Link::Both, 636666, 634806, 30, 7878, 111, 6,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.78-1 Mid"},
    {"n78", 15, 20, 504, Link::Both, 652666, 645982, 30, 8044, 508, 2,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.78-1 High"},
    {"n78", 15, 25, 0, Link::Both, 620834, 620036, 30, 7711, 6, 4,
     "TS 38.508-1 V17.7.0 series Table 4.3.1.1.1.78-1 Low"},
    {"n48", 30, 40, 102, Link::Both, 641666, 637946, 30, 7923, 208, 22,
     "TS 38.508-1 Table 4.3.1.1.1.48-2 Mid"},
};

class PublishedTestFrequencies : public ::testing::TestWithParam<TestFrequency> {};

BandwidthCarrier carrierOf(BandRef band, Channel channel, double mhz, std::int32_t scs,
                           std::int32_t offset) {
    const auto shape = carrierShape(band, bandwidthKhz(mhz), scs, offset);
    EXPECT_TRUE(shape.value) << shape.problem;
    const auto carrier = carrierAt(band, channel, *shape.value);
    if (!carrier.value) {
        throw std::runtime_error(carrier.problem);
    }
    return *carrier.value;
}

TEST_P(PublishedTestFrequencies, CentrePointAAndSsBlock) {
    const auto& t = GetParam();
    const auto carrier =
        carrierOf(bandNamed("NR", t.band), t.centre, t.bandwidthMhz, t.scsKhz, t.offsetToCarrier);
    const auto& side = t.link == Link::Up ? carrier.uplink : carrier.downlink;
    ASSERT_TRUE(side);
    EXPECT_EQ(side->channel, t.centre);
    EXPECT_EQ(nrArfcnAt(*side->pointAKhz), t.pointA);
    if (t.gscn == 0) {
        return;
    }
    const auto positions = ssbPositions(carrier);
    const auto found = std::ranges::find_if(positions, [&t](const SsbPosition& p) {
        return p.gscn == t.gscn && p.scsKhz == t.ssbScsKhz;
    });
    ASSERT_NE(found, positions.end()) << "GSCN " << t.gscn;
    EXPECT_EQ(found->offsetToPointA, t.offsetToPointA);
    EXPECT_EQ(found->kSsb, t.kSsb);
    EXPECT_EQ(nrArfcnKhz(found->ssbArfcn), found->ssRefKhz);
}

INSTANTIATE_TEST_SUITE_P(Nr, PublishedTestFrequencies, ::testing::ValuesIn(kTestFrequencies));

// SS block positions a public calculator's tests expect (srsRAN Project,
// test_ssb_coreset0_freq_pos_generator.cpp), with Point A at the lowest subcarrier.
const TestFrequency kCalculatorPositions[] = {
    {"n3", 15, 10, 0, Link::Down, 365000, 364064, 15, 4558, 5, 2, "srsRAN"},
    {"n3", 15, 10, 0, Link::Down, 365000, 364064, 15, 4570, 31, 10, "srsRAN"},
    {"n7", 15, 5, 0, Link::Down, 531720, 531270, 15, 6645, 0, 0, "srsRAN"},
    {"n25", 30, 15, 0, Link::Down, 391180, 389812, 15, 4883, 14, 18, "srsRAN"},
    {"n25", 30, 15, 0, Link::Down, 391180, 389812, 15, 4901, 54, 18, "srsRAN"},
    {"n28", 15, 20, 0, Link::Down, 156100, 154192, 15, 1931, 0, 6, "srsRAN"},
    {"n41", 15, 10, 0, Link::Both, 520002, 519066, 15, 6501, 19, 0, "srsRAN"},
    {"n41", 30, 15, 0, Link::Both, 520008, 518640, 15, 6510, 50, 10, "srsRAN"},
    {"n46", 30, 20, 0, Link::Both, 769332, 768720, 30, 9260, 8, 0, "srsRAN, n46's 20 MHz list"},
    {"n46", 30, 40, 0, Link::Both, 780668, 779396, 30, 9385, 118, 4, "srsRAN, n46's 40 MHz list"},
    {"n66", 30, 20, 0, Link::Down, 435740, 433904, 30, 5452, 40, 22, "srsRAN, downlink-only"},
    {"n78", 15, 10, 0, Link::Both, 643265, 642953, 30, 7950, 8, 7, "srsRAN"},
    {"n79", 30, 40, 0, Link::Both, 713328, 712056, 30, 8672, 26, 0, "srsRAN, 8480 + 16 n"},
};

INSTANTIATE_TEST_SUITE_P(Calculator, PublishedTestFrequencies,
                         ::testing::ValuesIn(kCalculatorPositions));

// An FDD carrier whose uplink pair would leave the band is a downlink carrier alone.
TEST(Carriers, DownlinkOnlyWhereTheUplinkPairLeavesTheBand) {
    const auto n66 = carrierOf(bandNamed("NR", "n66"), 435740, 20, 30, 0);
    EXPECT_TRUE(n66.downlink && !n66.uplink);
    const auto n70 = carrierOf(bandNamed("NR", "n70"), 401500, 25, 15, 0);
    EXPECT_TRUE(n70.downlink && !n70.uplink);
    const auto lte66 = carrierOf(bandNamed("LTE", "Band 66"), 67236, 20, 15, 0);
    EXPECT_TRUE(lte66.downlink && !lte66.uplink);
    const auto paired = carrierOf(bandNamed("NR", "n1"), 428000, 20, 15, 0);
    ASSERT_TRUE(paired.downlink && paired.uplink);
    EXPECT_EQ(paired.uplink->channel, 390000);
    EXPECT_EQ(paired.downlink->centreKhz - paired.uplink->centreKhz, 190000);
}

// TS 38.101-1 and -2 Table 5.3.3-1: the minimum guard band in Hz of each spacing and bandwidth.
struct PublishedGuard {
    CarrierKind kind;
    std::int32_t scsKhz;
    double bandwidthMhz;
    std::int64_t guardHz;
};

const PublishedGuard kPublishedGuards[] = {
    {CarrierKind::NrFr1, 15, 3, 142500},     {CarrierKind::NrFr1, 15, 5, 242500},
    {CarrierKind::NrFr1, 15, 10, 312500},    {CarrierKind::NrFr1, 15, 35, 572500},
    {CarrierKind::NrFr1, 15, 45, 712500},    {CarrierKind::NrFr1, 15, 50, 692500},
    {CarrierKind::NrFr1, 30, 5, 505000},     {CarrierKind::NrFr1, 30, 45, 1065000},
    {CarrierKind::NrFr1, 30, 60, 825000},    {CarrierKind::NrFr1, 30, 100, 845000},
    {CarrierKind::NrFr1, 60, 10, 1010000},   {CarrierKind::NrFr1, 60, 20, 1330000},
    {CarrierKind::NrFr1, 60, 100, 1370000},  {CarrierKind::NrFr2, 60, 50, 1210000},
    {CarrierKind::NrFr2, 60, 200, 4930000},  {CarrierKind::NrFr2, 120, 50, 1900000},
    {CarrierKind::NrFr2, 120, 400, 9860000}, {CarrierKind::NrFr2, 480, 800, 42640000},
    {CarrierKind::NrFr2, 960, 400, 9440000}, {CarrierKind::NrFr2, 960, 2000, 147040000},
};

TEST(Bandwidths, GuardBandsAreThoseOfTable5_3_3_1) {
    for (const auto& g : kPublishedGuards) {
        const auto blocks = resourceBlocks(g.kind, g.scsKhz, bandwidthKhz(g.bandwidthMhz));
        ASSERT_TRUE(blocks) << g.bandwidthMhz;
        EXPECT_EQ(minimumGuardHz(bandwidthKhz(g.bandwidthMhz), *blocks, g.scsKhz), g.guardHz)
            << g.scsKhz << " kHz " << g.bandwidthMhz << " MHz";
    }
    EXPECT_EQ(resourceBlocks(CarrierKind::Lte, 15, 1400), 6);
    EXPECT_EQ(resourceBlocks(CarrierKind::Lte, 15, 20000), 100);
    EXPECT_FALSE(resourceBlocks(CarrierKind::NrFr1, 60, 5000));
    EXPECT_FALSE(resourceBlocks(CarrierKind::NrFr2, 60, 400000));
}

// Every bandwidth a band allows has an N_RB, so every one can be a carrier.
TEST(Bandwidths, EveryAllowedBandwidthHasItsResourceBlocks) {
    for (const BandRef band : bandTable()) {
        for (const auto& allowed : allowedBandwidths(band)) {
            EXPECT_EQ(allowed.resourceBlocks.has_value(), band.format() != Format::Umts)
                << band.name() << " " << allowed.bandwidthKhz;
        }
    }
    EXPECT_TRUE(allowedBandwidths(bandNamed("LTE", "Band 103")).empty());
    EXPECT_EQ(allowedBandwidths(bandNamed("UMTS", "Band I")).size(), 1u);
    EXPECT_EQ(allowedBandwidths(bandNamed("NR", "n78")).size(), 7u + 12u + 12u);
}

// TS 36.508 V17.3.0 clause 4.3.1: the lowest and highest downlink EARFCN tested for a
// bandwidth are the band's outermost valid carriers.
struct LteTestRange {
    const char* band;
    double bandwidthMhz;
    Channel low;
    Channel high;
};

const LteTestRange kLteTestRanges[] = {
    {"Band 1", 5, 25, 575},         {"Band 1", 20, 100, 500},      {"Band 3", 1.4, 1207, 1943},
    {"Band 3", 20, 1300, 1850},     {"Band 8", 10, 3500, 3750},    {"Band 14", 5, 5305, 5355},
    {"Band 14", 10, 5330, 5330},    {"Band 23", 3, 7515, 7685},    {"Band 68", 15, 67611, 67761},
    {"Band 73", 1.4, 68993, 69029}, {"Band 74", 15, 69111, 69391}, {"Band 85", 10, 70416, 70496},
    {"Band 87", 3, 70561, 70581},   {"Band 88", 5, 70621, 70621},
};

TEST(Carriers, LteTestFrequenciesAreTheOutermostCarriers) {
    for (const auto& r : kLteTestRanges) {
        const auto band = bandNamed("LTE", r.band);
        const auto valid = carrierChannels(
            band, *carrierShape(band, bandwidthKhz(r.bandwidthMhz), std::nullopt).value);
        ASSERT_FALSE(valid.empty()) << r.band;
        EXPECT_EQ(valid.at(0), r.low) << r.band << " " << r.bandwidthMhz;
        EXPECT_EQ(valid.at(valid.size() - 1), r.high) << r.band << " " << r.bandwidthMhz;
    }
    // Band 70's paired 15 MHz carriers end at 68411; above, to 68511, the downlink stands alone.
    const auto band70 = bandNamed("LTE", "Band 70");
    EXPECT_TRUE(carrierOf(band70, 68411, 15, 15, 0).uplink);
    EXPECT_FALSE(carrierOf(band70, 68412, 15, 15, 0).uplink);
    EXPECT_EQ(carrierChannels(band70, {15000, 15, 0})
                  .at(carrierChannels(band70, {15000, 15, 0}).size() - 1),
              68511);
}

// Band notes that tie channels or SS block positions to a bandwidth.
TEST(Carriers, BandNotesTieChannelsAndSsBlocksToBandwidths) {
    const auto n46 = bandNamed("NR", "n46");
    EXPECT_EQ(carrierChannels(n46, {10000, 30, 0}).size(), 2u);
    EXPECT_EQ(carrierChannels(n46, {100000, 30, 0}).size(), 4u);
    EXPECT_EQ(carrierChannels(bandNamed("NR", "n96"), {20000, 30, 0}).size(), 60u);
    // n106's one 3 MHz channel, paired with 179800.
    const auto n106 = carrierChannels(bandNamed("NR", "n106"), {3000, 15, 0});
    ASSERT_EQ(n106.size(), 1u);
    EXPECT_EQ(carrierOf(bandNamed("NR", "n106"), n106.at(0), 3, 15, 0).uplink->channel, 179800);
    // A 3 MHz carrier takes the GSCNs of 3 MHz channels, a 5 MHz one the others.
    const auto n28 = bandNamed("NR", "n28");
    for (const double mhz : {3.0, 5.0}) {
        for (const auto& p : ssbPositions(carrierOf(n28, 156100, mhz, 15, 0))) {
            EXPECT_EQ(p.gscn >= kFirst3MhzGscn, mhz == 3.0) << p.gscn;
        }
    }
    // n79: 40 MHz carriers and wider take every 16th GSCN from 8480, narrower ones any.
    const auto n79 = bandNamed("NR", "n79");
    for (const auto& p : ssbPositions(carrierOf(n79, 713328, 40, 30, 0))) {
        EXPECT_EQ((p.gscn - 8480) % 16, 0) << p.gscn;
    }
    const auto narrow = ssbPositions(carrierOf(n79, 713328, 20, 30, 0));
    EXPECT_TRUE(std::ranges::any_of(
        narrow, [](const SsbPosition& p) { return (p.gscn - 8480) % 16 != 0; }));
}

// A shape the band lacks, a channel off its raster or crossing an edge: each says why, naming
// what the band allows or the nearest valid centre.
TEST(Carriers, WhatIsNoCarrierSaysWhy) {
    const auto n78 = bandNamed("NR", "n78");
    const struct {
        Reading<CarrierShape> shape;
        const char* problem;
    } shapes[] = {
        {carrierShape(n78, 7000, std::nullopt),
         "NR n78 has no 7 MHz channel; it allows 10, 15, 20, 25, 30, 40, 50, 60, 70, 80, 90 and "
         "100 MHz"},
        {carrierShape(n78, 100000, 15),
         "NR n78 allows no 15 kHz subcarriers with a 100 MHz channel; it allows 30 and 60 kHz"},
        {carrierShape(n78, 20000, 30, 2200), "the offset to carrier is 0 to 2199 resource blocks"},
        {carrierShape(bandNamed("LTE", "Band 103"), 1400, std::nullopt),
         "LTE Band 103 has no channel bandwidth in TS 36.101 Table 5.6.1-1"},
        {carrierShape(bandNamed("UMTS", "Band I"), 10000, std::nullopt),
         "UMTS carriers are 5 MHz wide"},
    };
    for (const auto& s : shapes) {
        EXPECT_FALSE(s.shape.value);
        EXPECT_EQ(s.shape.problem, s.problem);
    }
    const CarrierShape wide{100000, 30, 0};
    const struct {
        BandRef band;
        Channel channel;
        CarrierShape shape;
        const char* problem;
    } carriers[] = {
        {n78, 620000, wide,
         "a 100 MHz carrier at channel 620000 (3300.0000 MHz) crosses NR n78's lower downlink "
         "edge (3300 MHz); the nearest valid centre is 3350.0100 MHz, channel 623334"},
        {n78, 636667, wide,
         "channel 636667 is off NR n78's 30 kHz channel raster (620000-653332 [step 2]); the "
         "nearest valid centre is 3549.9900 MHz, channel 636666"},
        {bandNamed("NR", "n91"),
         172400,
         {5000, 15, 0},
         "uplink channel 172400 of NR n91 has no downlink pair, and a carrier needs its "
         "downlink; the nearest valid centre is 834.5000 MHz, channel 166900"},
        {bandNamed("NR", "n91"),
         285400,
         {10000, 15, 0},
         "no 10 MHz carrier fits NR n91 (1427 to 1432 MHz)"},
        {n78, 100, wide,
         "channel 100 is not in NR n78; the nearest valid centre is 3350.0100 MHz, channel "
         "623334"},
        {n78, 700000, wide,
         "channel 700000 is not in NR n78; the nearest valid centre is 3750.0000 MHz, channel "
         "650000"},
    };
    for (const auto& c : carriers) {
        const auto carrier = carrierAt(c.band, c.channel, c.shape);
        EXPECT_FALSE(carrier.value) << c.channel;
        EXPECT_EQ(carrier.problem, c.problem);
    }
}

}  // namespace
}  // namespace tarnvale

namespace tarnvale {
namespace {

// TS 25.101 Table 5.0 and TS 36.101 Table 5.5-1 give a UTRA band and the E-UTRA band of its
// number the same edges: every UMTS row against its LTE row.
TEST(BandEdges, EveryUmtsBandHasItsLteNamesakesEdges) {
    std::size_t matched = 0;
    for (const BandRef lte : bandsOf(Format::Lte)) {
        const auto number = lte.name().substr(lte.name().rfind(' ') + 1);
        const auto umts = resolveBand(Format::Umts, number).value;
        if (!umts) {
            continue;
        }
        ++matched;
        for (const auto direction : {Direction::Downlink, Direction::Uplink}) {
            const auto a = bandExtent(*umts, direction);
            const auto b = bandExtent(lte, direction);
            ASSERT_EQ(a.has_value(), b.has_value()) << umts->name();
            if (a) {
                EXPECT_EQ(a->lowKhz, b->lowKhz) << umts->name();
                EXPECT_EQ(a->highKhz, b->highKhz) << umts->name();
            }
        }
    }
    EXPECT_EQ(matched, bandsOf(Format::Umts).size());
}

}  // namespace
}  // namespace tarnvale

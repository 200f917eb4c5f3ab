#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/arfcn_plan.h"
#include "engine/band_table.h"
#include "engine/channel_list.h"
#include "engine/channel_record.h"
#include "engine/gscn.h"
#include "engine/lookup.h"
#include "engine/nr_raster.h"
#include "engine/number_text.h"
#include "engine/run_union.h"
#include "test_bands.h"
#include "tests/support/listed_channels.h"

// LTE, NR and UMTS: published worked examples, band edges and the pairing of directions.
namespace tarnvale {
namespace {

using testing::bandNamed;

enum class Way { Down, Up };

struct Published {
    const char* format;
    const char* band;
    Way way;
    Channel number;
    const char* mhz;
    const char* source;
};

void PrintTo(const Published& p, std::ostream* os) {
    *os << p.format << " " << p.band << " " << p.number << " (" << p.source << ")";
}

// The carrier of a number in one direction, as the records give it.
std::string carrierText(const Published& p) {
    for (const auto& r : channelRecords(bandNamed(p.format, p.band), p.number)) {
        if (p.way == Way::Down && r.downlinkChannel == p.number && r.downlinkCarrier) {
            return frequencyText(r.downlinkCarrier->mhz, ".");
        }
        if (p.way == Way::Up && r.uplinkChannel == p.number && r.uplinkCarrier) {
            return frequencyText(r.uplinkCarrier->mhz, ".");
        }
    }
    return "none";
}

constexpr const char* k36508 = "TS 36.508 test frequencies";
constexpr const char* k38508 = "TS 38.508-1 test frequencies";
constexpr const char* kCalc = "a public calculator's tests";

const Published kPublished[] = {
    {"LTE", "Band 1", Way::Down, 300, "2140.0000", k36508},
    {"LTE", "Band 1", Way::Up, 18300, "1950.0000", k36508},
    {"LTE", "Band 3", Way::Down, 1300, "1815.0000", k36508},
    {"LTE", "Band 3", Way::Up, 19207, "1710.7000", k36508},
    {"LTE", "Band 4", Way::Down, 2325, "2147.5000", kCalc},
    {"LTE", "Band 7", Way::Down, 3350, "2680.0000", kCalc},
    {"LTE", "Band 14", Way::Up, 23305, "790.5000", k36508},
    {"LTE", "Band 24", Way::Up, 25975, "1654.0000", k36508},
    {"LTE", "Band 33", Way::Down, 36175, "1917.5000", k36508},
    {"LTE", "Band 46", Way::Down, 54340, "5905.0000", "TS 36.104 Table 5.7.3-1 note"},
    {"LTE", "Band 47", Way::Down, 54590, "5860.0000", k36508},
    {"LTE", "Band 66", Way::Up, 131979, "1710.7000", k36508},
    {"LTE", "Band 70", Way::Down, 68561, "2017.5000", k36508},
    {"LTE", "Band 87", Way::Up, 134189, "410.7000", k36508},
    {"NR", "n1", Way::Down, 422500, "2112.5000", kCalc},
    {"NR", "n1", Way::Up, 384000, "1920.0000", kCalc},
    {"NR", "n5", Way::Up, 167300, "836.5000", kCalc},
    {"NR", "n75", Way::Down, 290400, "1452.0000", kCalc},
    {"NR", "n78", Way::Down, 632628, "3489.4200", kCalc},
    {"NR", "n78", Way::Down, 633928, "3508.9200", k38508},
    {"NR", "n48", Way::Down, 641666, "3624.9900", k38508},
    {"NR", "n257", Way::Down, 2054167, "26500.0800", kCalc},
    {"NR", "n259", Way::Down, 2337499, "43500.0000", kCalc},
    {"UMTS", "Band I", Way::Down, 10700, "2140.0000", kCalc},
    {"UMTS", "Band II", Way::Down, 612, "1972.5000", kCalc},
    {"UMTS", "Band II", Way::Up, 212, "1892.5000", kCalc},
    {"UMTS", "Band III", Way::Up, 937, "1712.4000", "TS 25.101 Table 5.2"},
    {"UMTS", "Band IV", Way::Down, 1537, "2112.4000", "TS 25.101 Table 5.2"},
    {"UMTS", "Band IV", Way::Down, 1887, "2112.5000", "TS 25.101 Table 5.2"},
    {"UMTS", "Band VIII", Way::Down, 2940, "928.0000", kCalc},
    {"UMTS", "Band XII", Way::Up, 3707, "701.5000", "TS 25.101 Table 5.2"},
    {"UMTS", "Band XIII", Way::Down, 4067, "748.5000", "TS 25.101 Table 5.2"},
    {"UMTS", "Band XXV", Way::Up, 6067, "1852.5000", "TS 25.101 Table 5.2"},
    {"UMTS", "Band XXXII", Way::Down, 6837, "1454.5000", "TS 25.101 Table 5.2"},
};

class PublishedCarriers : public ::testing::TestWithParam<Published> {};

TEST_P(PublishedCarriers, MatchTheirSource) {
    EXPECT_EQ(carrierText(GetParam()), GetParam().mhz);
}

INSTANTIATE_TEST_SUITE_P(LteNrUmts, PublishedCarriers, ::testing::ValuesIn(kPublished));

TEST(NrRaster, GlobalRasterAndGscnInTheirThreeRanges) {
    const struct {
        Channel number;
        std::int64_t khz;
    } arfcns[] = {{0, 0},
                  {599999, 2999995},
                  {600000, 3000000},
                  {620000, 3300000},
                  {2016666, 24249990},
                  {2016667, 24250080},
                  {3279165, 99999960}};
    for (const auto& a : arfcns) {
        EXPECT_EQ(nrArfcnKhz(a.number), a.khz) << a.number;
    }
    const struct {
        Channel gscn;
        const char* mhz;
    } gscns[] = {{2, "1.2500"},
                 {2156, "862.8500"},
                 {5279, "2112.0500"},
                 {7498, "2999.0500"},
                 {7499, "3000.0000"},
                 {7884, "3554.4000"},
                 {22255, "24248.6400"},
                 {22256, "24250.0800"},
                 {26639, "99988.3200"},
                 // 3 MHz channels (TS 38.101-1 Table 5.4.3.3-2 and TS 38.101-5 Table 5.4.3.3-1a)
                 {26640, ".9500"},
                 {30987, "870.3500"},
                 {31100, "892.7500"},
                 {33802, "1433.2500"},
                 {39129, "2498.7500"},
                 {41636, "2999.9500"},
                 {41637, "920.7300"},
                 {41638, "921.4500"}};
    for (const auto& g : gscns) {
        EXPECT_EQ(frequencyText(*gscnFrequencyMhz(g.gscn), "."), g.mhz) << g.gscn;
    }
    EXPECT_FALSE(gscnFrequencyMhz(1));
    EXPECT_FALSE(gscnFrequencyMhz(41639));
}

// Every GSCN's SS_REF finds that GSCN, at offset 0; a frequency halfway between two finds the
// lower, and one a kilohertz above it the upper.
TEST(NrRaster, EveryGscnIsTheOneNearestItsFrequency) {
    for (Channel gscn = kFirstGscn; gscn < kFirst3MhzGscn; ++gscn) {
        const double mhz = static_cast<double>(*gscnKhz(gscn)) / 1000;
        const auto near = gscnsNear(mhz);
        ASSERT_FALSE(near.empty()) << gscn;
        EXPECT_EQ(near.front().gscn, gscn);
        EXPECT_EQ(near.front().offsetKhz, 0);
        if (gscn > kFirstGscn) {
            const double half = (static_cast<double>(*gscnKhz(gscn - 1)) / 1000 + mhz) / 2;
            EXPECT_EQ(gscnsNear(half).front().gscn, gscn - 1);
            EXPECT_EQ(gscnsNear(half + 0.001).front().gscn, gscn);
        }
    }
    for (Channel gscn = kFirst3MhzGscn; gscn <= kLast3MhzGscn; ++gscn) {
        const auto near = gscnsNear(static_cast<double>(*gscnKhz(gscn)) / 1000);
        ASSERT_EQ(near.size(), 2u) << gscn;
        EXPECT_EQ(near.back().gscn, gscn);
    }
}

// First and last channel of the list, with both carriers, for each duplex mode.
TEST(Generations, FirstAndLastChannels) {
    const struct {
        const char* format;
        const char* band;
        Channel first;
        Channel last;
        const char* firstMhz;
        const char* lastMhz;
        Duplex duplex;
    } rows[] = {
        {"LTE", "Band 1", 0, 599, "2110.0000", "2169.9000", Duplex::Fdd},
        {"LTE", "Band 13", 5180, 5279, "746.0000", "755.9000", Duplex::Fdd},
        {"LTE", "Band 41", 39650, 41589, "2496.0000", "2689.9000", Duplex::Tdd},
        {"LTE", "Band 32", 9920, 10359, "1452.0000", "1495.9000", Duplex::Sdl},
        {"NR", "n1", 422000, 434000, "2110.0000", "2170.0000", Duplex::Fdd},
        {"NR", "n78", 620000, 653333, "3300.0000", "3799.9950", Duplex::Tdd},
        {"NR", "n29", 143400, 145600, "717.0000", "728.0000", Duplex::Sdl},
        {"NR", "n80", 342000, 357000, "1710.0000", "1785.0000", Duplex::Sul},
        // Release 18 moved n102's first channel down to the band edge, as n96 has it.
        {"NR", "n102", 795000, 828333, "5925.0000", "6424.9950", Duplex::Tdd},
        {"NR", "n258", 2016667, 2070832, "24250.0800", "27499.9800", Duplex::Tdd},
        {"UMTS", "Band I", 10562, 10838, "2112.4000", "2167.6000", Duplex::Fdd},
        {"UMTS", "Band XXXII", 6617, 7012, "1454.4000", "1489.5000", Duplex::Sdl},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.format) + " " + r.band);
        const auto band = bandNamed(r.format, r.band);
        const auto count = channelCount(band);
        const auto list = testing::listedChannels(band);
        EXPECT_EQ(list.front(), r.first);
        EXPECT_EQ(list.at(count - 1), r.last);
        const auto first = listedChannelRecord(band, 0, r.first);
        const auto last = listedChannelRecord(band, count - 1, r.last);
        const bool uplinkOnly = r.duplex == Duplex::Sul;
        EXPECT_EQ(
            frequencyText((uplinkOnly ? first.uplinkCarrier : first.downlinkCarrier)->mhz, "."),
            r.firstMhz);
        EXPECT_EQ(frequencyText((uplinkOnly ? last.uplinkCarrier : last.downlinkCarrier)->mhz, "."),
                  r.lastMhz);
        EXPECT_EQ(band.duplex(), r.duplex);
        EXPECT_EQ(first.uplinkCarrier.has_value(), r.duplex != Duplex::Sdl);
        EXPECT_EQ(first.downlinkCarrier.has_value(), r.duplex != Duplex::Sul);
    }
}

TEST(Generations, SeveralRastersCountEachChannelOnce) {
    const auto n41 = bandNamed("NR", "n41");
    EXPECT_EQ(n41.plan<ArfcnPlan>()->spacingKhz, 15);
    EXPECT_EQ(channelCount(n41), 12934u);  // the 30 kHz raster lies on the 15 kHz one
    const auto n90 = bandNamed("NR", "n90");
    // 12934 on the 15 kHz raster, 1941 on the 100 kHz one, 647 on both.
    EXPECT_EQ(channelCount(n90), 12934u + 1941u - 647u);
    EXPECT_EQ(channelIndex(n90, 538000), 14227u);
    EXPECT_EQ(testing::listedChannels(n90).at(14227), 538000);
    EXPECT_FALSE(channelIndex(n90, 499201));
    const auto n263 = bandNamed("NR", "n263");
    EXPECT_EQ(channelCount(n263), 138u + 34u);  // the 480 kHz raster misses the 120 kHz one
}

// TS 38.104 V18.9.0 dropped n28's 40 MHz channel pair off its <20> raster; the satellite bands
// have a 10 kHz raster beside their 100 kHz one.
TEST(Generations, BandNotesAddTheirChannels) {
    EXPECT_TRUE(channelRecords(bandNamed("NR", "n28"), 155608).empty());
    const auto n254 = bandNamed("NR", "n254");
    EXPECT_EQ(channelCount(n254), (500000u - 496700u) / 2 + 1);
    EXPECT_EQ(validChannelText(n254),
              "DL: 496700-500000 [step 2], 496700-500000 [step 20]; UL: 322000-325300 [step 2], "
              "322000-325300 [step 20]");
    // n263's 480 and 960 kHz rasters share one run, which its text names once.
    EXPECT_EQ(validChannelText(bandNamed("NR", "n263")),
              "2564083-2794243 [step 1680], 2566603-2788363 [step 6720]");
}

// n91, n93 and n110 have more uplink spectrum than downlink: the uplink channels without a pair
// are rows of the band too, after its list.
TEST(Generations, UplinkChannelsWithoutAPairAreRowsOfTheBand) {
    for (const auto& [name, unpaired, first] :
         {std::tuple{"n91", 250u, 167420}, {"n93", 300u, 177020}, {"n110", 20u, 278620}}) {
        const auto band = bandNamed("NR", name);
        std::vector<ChannelRecord> rows;
        forEachChannelRecord(band, [&rows](const ChannelRecord& r) { rows.push_back(r); });
        EXPECT_EQ(rows.size(), channelCount(band) + unpaired) << name;
        EXPECT_EQ(recordCount(band), rows.size()) << name;
        const auto& firstUnpaired = rows[channelCount(band)];
        EXPECT_EQ(firstUnpaired.channel, first) << name;
        EXPECT_FALSE(firstUnpaired.index || firstUnpaired.downlinkChannel ||
                     firstUnpaired.downlinkCarrier);
        EXPECT_EQ(firstUnpaired.uplinkChannel, first);
    }
}

// WCDMA Bands I, II, V and VI and UMTS Bands I, II, V and VI are two rows for the same
// carriers: every channel pair agrees, numbers and frequencies alike. Bands III and IV differ
// by numbering (WCDMA counts 5 x the uplink MHz there, UMTS from an offset), so they are not
// compared.
TEST(Generations, WcdmaAndUmtsShareTheCarriersOfBandsOneTwoFiveAndSix) {
    using Pair = std::tuple<Channel, Channel, std::string, std::string>;
    const auto pairs = [](BandRef band) {
        std::set<Pair> found;
        forEachChannelRecord(band, [&found](const ChannelRecord& r) {
            found.insert({*r.uplinkChannel, *r.downlinkChannel,
                          frequencyText(r.uplinkCarrier->mhz, "."),
                          frequencyText(r.downlinkCarrier->mhz, ".")});
        });
        return found;
    };
    for (const char* name : {"Band I", "Band II", "Band V", "Band VI"}) {
        const auto wcdma = pairs(bandNamed("WCDMA", name));
        EXPECT_FALSE(wcdma.empty());
        EXPECT_EQ(wcdma, pairs(bandNamed("UMTS", name))) << name;
    }
}

TEST(Generations, OneNumberInSeveralBands) {
    std::vector<std::string> bands;
    for (const auto& r : lookupChannel(632628, Format::Nr)) {
        bands.emplace_back(r.band.name());
    }
    EXPECT_EQ(bands, (std::vector<std::string>{"n77", "n78"}));
    // 512 is GSM channel 512 twice, an LTE downlink and a UMTS downlink and uplink.
    std::vector<std::string> gsm;
    for (const auto& r : lookupChannel(512, Format::Gsm)) {
        gsm.emplace_back(r.band.name());
    }
    EXPECT_EQ(gsm, (std::vector<std::string>{"DCS 1800", "PCS 1900"}));
}

TEST(Generations, UmtsAdditionalChannelsPairPositionByPosition) {
    const auto band5 = bandNamed("UMTS", "Band V");
    const Channel uplinks[] = {782, 787, 807, 812, 837, 862};
    const Channel downlinks[] = {1007, 1012, 1032, 1037, 1062, 1087};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(uplinkOf(*band5.plan<ArfcnPlan>(), downlinks[i]), uplinks[i]);
        EXPECT_EQ(downlinkOf(*band5.plan<ArfcnPlan>(), uplinks[i]), downlinks[i]);
    }
    // 792 lies on neither raster.
    EXPECT_TRUE(channelRecords(band5, 792).empty());
}

TEST(Generations, DownlinkChannelsPastTheUplinkBandHaveNoPair) {
    const auto lte66 = bandNamed("LTE", "Band 66");
    EXPECT_EQ(uplinkOf(*lte66.plan<ArfcnPlan>(), 67135), 132671);  // 2179.9 MHz
    EXPECT_FALSE(uplinkOf(*lte66.plan<ArfcnPlan>(), 67136));       // 2180 MHz
    const auto n92 = bandNamed("NR", "n92");
    EXPECT_TRUE(uplinkOf(*n92.plan<ArfcnPlan>(), 286400));
    EXPECT_FALSE(uplinkOf(*n92.plan<ArfcnPlan>(), 303400));
}

// Data faults show here: a run off its raster, a pairing that does not return, SS blocks
// outside the band.
TEST(Generations, EveryBandIsConsistent) {
    for (const BandRef band : bandTable()) {
        if (band.plan<ArfcnPlan>() == nullptr) {
            continue;
        }
        SCOPED_TRACE(std::string(band.formatName()) + " " + std::string(band.name()));
        const auto& plan = *band.plan<ArfcnPlan>();
        for (const auto* runs : {&plan.downlink, &plan.uplink}) {
            for (const auto& run : *runs) {
                EXPECT_EQ((run.numbers.last - run.numbers.first) % run.numbers.step, 0);
            }
        }
        std::size_t paired = 0;
        forEachChannelRecord(band, [&](const ChannelRecord& r) {
            if (r.downlinkChannel && r.uplinkChannel) {
                ++paired;
                EXPECT_EQ(downlinkOf(plan, *r.uplinkChannel), r.downlinkChannel) << r.channel;
                if (plan.duplex == Duplex::Fdd) {
                    EXPECT_EQ(*r.gapMhz * 1000, static_cast<double>(plan.duplexKhz));
                }
            }
        });
        EXPECT_EQ(paired > 0, plan.duplex == Duplex::Fdd || plan.duplex == Duplex::Tdd);
        // An SS block lies within the band: within part of a channel's width of the outermost
        // channels (n263's are 100 MHz wide and more).
        constexpr double kMarginMhz = 25;
        const auto window = bandWindow(band);
        forEachGscn(band, [&](const GscnEntry& entry) {
            EXPECT_GE(entry.frequencyMhz, window.start - kMarginMhz) << entry.gscn;
            EXPECT_LE(entry.frequencyMhz, window.stop + kMarginMhz) << entry.gscn;
        });
    }
}

TEST(RunUnion, IntersectionsAreRuns) {
    const auto both = intersect({499200, 3, 537999}, {499200, 20, 538000});
    ASSERT_TRUE(both);
    EXPECT_EQ(both->first, 499200);
    EXPECT_EQ(both->step, 60);
    EXPECT_EQ(both->last, 537960);
    EXPECT_FALSE(intersect({1, 2, 99}, {2, 2, 100}));  // odd and even
    EXPECT_FALSE(intersect({1, 1, 10}, {20, 1, 30}));  // apart
    const auto single = intersect({2564083, 1680, 2794243}, {2566603, 6720, 2788363});
    EXPECT_FALSE(single);  // n263's 480 kHz channels lie between its 120 kHz ones
    const std::vector<ChannelRun> runs = {{0, 2, 10}, {0, 3, 9}};
    EXPECT_EQ(unionCount(runs), 8u);  // 0 2 3 4 6 8 9 10
    EXPECT_EQ(unionCountBelow(runs, 6), 4u);
    std::vector<Channel> walked;
    forEachInUnion(runs, [&](Channel n) { walked.push_back(n); });
    EXPECT_EQ(walked, (std::vector<Channel>{0, 2, 3, 4, 6, 8, 9, 10}));
}

}  // namespace
}  // namespace tarnvale

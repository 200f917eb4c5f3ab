#include "engine/channel_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>
#include <stdexcept>

#include "engine/band_table.h"
#include "engine/conversion.h"
#include "engine/number_text.h"
#include "test_bands.h"
#include "tests/support/listed_channels.h"

namespace tarnvale {
namespace {

using testing::bandNamed;

struct ListEntry {
    const char* format;
    const char* band;
    std::size_t index;
    Channel channel;
};

const ListEntry kEntries[] = {
    {"AMPS", "Cell 800", 0, 991},        {"AMPS", "Cell 800", 32, 1023},
    {"AMPS", "Cell 800", 33, 1},         {"AMPS", "Cell 800", 831, 799},
    {"CDMA", "TACS (Japan)", 158, 1199}, {"CDMA", "TACS (Japan)", 159, 1201},
    {"CDMA", "TACS (Japan)", 558, 1600}, {"CDMA", "TACS (Japan)", 559, 801},
    {"CDMA", "TACS (Japan)", 797, 1039}, {"CDMA", "TACS (Japan)", 798, 1},
    {"CDMA", "TACS (Japan)", 1596, 799}, {"CDMA", "NMT450", 0, 539},
    {"CDMA", "NMT450", 333, 1},          {"CDMA", "NMT450", 1292, 2016},
    {"WCDMA", "Band V", 0, 782},         {"WCDMA", "Band V", 1, 787},
    {"WCDMA", "Band V", 2, 807},         {"WCDMA", "Band V", 5, 862},
    {"WCDMA", "Band V", 6, 4132},        {"WCDMA", "Band V", 107, 4233},
    {"WCDMA", "Band II", 1, 37},         {"WCDMA", "Band II", 11, 287},
    {"WCDMA", "Band II", 12, 9262},      {"WCDMA", "Band IV", 8, 1362},
    {"WCDMA", "Band IV", 9, 8562},       {"WCDMA", "Band VI", 1, 837},
    {"WCDMA", "Band VI", 2, 4162},       {"GSM", "E-GSM 900", 49, 0},
    {"GSM", "R-GSM 900", 69, 0},         {"IS-136", "PCS 1900", 1996, 1998},
};

void PrintTo(const ListEntry& e, std::ostream* os) {
    *os << e.format << " " << e.band << " [" << e.index << "]";
}

class ListEntries : public ::testing::TestWithParam<ListEntry> {};

TEST_P(ListEntries, HoldsChannelAtIndex) {
    const auto& e = GetParam();
    const auto band = bandNamed(e.format, e.band);
    ASSERT_LT(e.index, channelCount(band));
    EXPECT_EQ(testing::listedChannels(band)[e.index], e.channel);
    EXPECT_EQ(channelIndex(band, e.channel), e.index);
}

INSTANTIATE_TEST_SUITE_P(Edges, ListEntries, ::testing::ValuesIn(kEntries));

struct Absent {
    const char* format;
    const char* band;
    Channel channel;
};

const Absent kAbsent[] = {
    {"CDMA", "TACS (Japan)", 800}, {"CDMA", "TACS (Japan)", 1040}, {"CDMA", "TACS (Japan)", 1200},
    {"WCDMA", "Band V", 792},      {"WCDMA", "Band II", 13},       {"WCDMA", "Band I", 10562},
    {"IS-136", "PCS 1900", 1},     {"IS-136", "PCS 1900", 1999},   {"GSM", "P-GSM 900", 0},
    {"CDMA", "Cell 800", 0},       {"CDMA", "Cell 800", 800},      {"CDMA", "NMT450", 301},
    {"WCDMA", "Band VI", 813},     {"CDMA", "Cell 800", -1},
};

void PrintTo(const Absent& a, std::ostream* os) {
    *os << a.format << " " << a.band << " " << a.channel;
}

class AbsentChannels : public ::testing::TestWithParam<Absent> {};

TEST_P(AbsentChannels, AreNotFound) {
    const auto& a = GetParam();
    EXPECT_EQ(channelIndex(bandNamed(a.format, a.band), a.channel), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Gaps, AbsentChannels, ::testing::ValuesIn(kAbsent));

// Every band's list is free of repeats and fits the window's 16-bit channels, and every
// channel converts and is found at its own place.
TEST(ChannelLists, EveryClassicBandIsConsistent) {
    std::size_t total = 0;
    for (const BandRef band : bandTable()) {
        const auto* plan = band.plan<ClassicPlan>();
        if (plan == nullptr) {
            continue;
        }
        SCOPED_TRACE(std::string(band.formatName()) + " " + std::string(band.name()));
        std::set<Channel> seen;
        const auto list = testing::listedChannels(band);
        ASSERT_EQ(list.size(), channelCount(band));
        for (std::size_t i = 0; i < list.size(); ++i) {
            const Channel channel = list[i];
            EXPECT_TRUE(seen.insert(channel).second) << channel;
            EXPECT_LE(channel, std::numeric_limits<std::int16_t>::max());
            EXPECT_EQ(channelIndex(band, channel), i);
            EXPECT_NE(convertChannel(*plan, channel).reverse, 0) << channel;
        }
        total += list.size();
    }
    EXPECT_EQ(total, 14702u);
}

// The valid-channel text and band window of every classic band, as the window's plan table
// publishes them; texts and windows the runs can give are derived from them.
struct PublishedPlan {
    const char* format;
    const char* band;
    std::size_t count;
    const char* text;
    const char* start;
    const char* stop;
};

const PublishedPlan kPublishedPlans[] = {
    {"CDMA", "Cell 800", 832, "1-799, 991-1023", "824.04", "893.97"},
    {"CDMA", "US PCS 1900", 1200, "0-1199", "1850", "1989.95"},
    {"CDMA", "Korea PCS", 600, "0-599", "1750", "1869.95"},
    {"CDMA", "TACS (Japan)", 1597, "1-799, 801-1039, 1041-1199, 1201-1600", "832.0125", "924.9875"},
    {"CDMA", "IMT2000", 1200, "0-1199", "1920", "2169.95"},
    {"CDMA", "China Cellular", 700, "0-699", "880", "959.95"},
    {"CDMA", "Secondary 800", 920, "0-919", "806", "939.975"},
    {"CDMA", "NMT450", 1293, "1-300, 539-871, 1039-1473, 1792-2016", "411.675", "493.48"},
    {"GSM", "P-GSM 900", 124, "1-124", "890.2", "959.8"},
    {"GSM", "E-GSM 900", 174, "0-124, 975-1023", "880.2", "959.8"},
    {"GSM", "DCS 1800", 374, "512-885", "1710.2", "1879.8"},
    {"GSM", "GSM 850", 124, "128-251", "824.2", "893.8"},
    {"GSM", "PCS 1900", 299, "512-810", "1850.2", "1989.8"},
    {"GSM", "R-GSM 900", 194, "0-124, 955-1023", "876.2", "959.8"},
    {"GSM", "GSM 750", 74, "438-511", "747.2", "791.8"},
    {"GSM", "GSM 450", 35, "259-293", "450.6", "467.4"},
    {"GSM", "GSM 480", 35, "306-340", "479", "495.8"},
    {"WCDMA", "Band I", 277, "UL: 9612-9888, DL: 10562-10838", "1922.4", "2167.6"},
    {"WCDMA", "Band II", 289, "UL: 12-287 [step 25], 9262-9538; DL: 412-687 [step 25], 9662-9938",
     "1852.4", "1987.6"},
    {"WCDMA", "Band III", 352, "UL: 8562-8913; DL: 9037-9388", "1712.4", "1877.6"},
    {"WCDMA", "Band IV", 211,
     "UL: 1162-1362 [step 25], 8562-8763; DL: 1462-1662 [step 25], 10562-10763", "1712.4",
     "2152.6"},
    {"WCDMA", "Band V", 108,
     "UL: 782-862 [step variable], 4132-4233; DL: 1007-1087 [step variable], 4357-4458", "826.4",
     "891.6"},
    {"WCDMA", "Band VI", 29, "UL: 812, 837, 4162-4188; DL: 1037, 1062, 4387-4413", "832.4",
     "882.6"},
    {"IS-136", "Cell 800", 832, "1-799, 991-1023", "824.04", "893.97"},
    {"IS-136", "PCS 1900", 1997, "2-1998", "1850.04", "1989.96"},
    {"AMPS", "Cell 800", 832, "1-799, 991-1023", "824.04", "893.97"},
};

void PrintTo(const PublishedPlan& p, std::ostream* os) {
    *os << p.format << " " << p.band;
}

class PublishedPlans : public ::testing::TestWithParam<PublishedPlan> {};

TEST_P(PublishedPlans, CountTextAndWindow) {
    const auto& p = GetParam();
    const auto band = bandNamed(p.format, p.band);
    EXPECT_EQ(channelCount(band), p.count);
    EXPECT_EQ(validChannelText(band), p.text);
    EXPECT_EQ(numberText(bandWindow(band).start, "."), p.start);
    EXPECT_EQ(numberText(bandWindow(band).stop, "."), p.stop);
}

INSTANTIATE_TEST_SUITE_P(EveryClassicBand, PublishedPlans, ::testing::ValuesIn(kPublishedPlans));

TEST(ChannelLists, EveryClassicBandIsPublished) {
    std::size_t classic = 0;
    for (const BandRef band : bandTable()) {
        classic += band.plan<ClassicPlan>() != nullptr ? 1 : 0;
    }
    EXPECT_EQ(classic, std::size(kPublishedPlans));
}

}  // namespace
}  // namespace tarnvale

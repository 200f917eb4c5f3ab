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
    EXPECT_EQ(channelAt(band, e.index), e.channel);
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

// Every band's list is free of repeats and fits the window's 16-bit channels, every channel
// converts and is found at its own place, and the stored window is exactly the span of the
// carriers.
TEST(ChannelLists, EveryClassicBandIsConsistent) {
    std::size_t total = 0;
    for (const auto& row : bandTable()) {
        const BandRef band(row);
        if (!band.isClassic()) {
            continue;
        }
        SCOPED_TRACE(std::string(band.formatName()) + " " + std::string(band.name()));
        std::set<Channel> seen;
        double low = 1e9;
        double high = -1e9;
        const std::size_t count = channelCount(band);
        for (std::size_t i = 0; i < count; ++i) {
            const Channel channel = channelAt(band, i);
            EXPECT_TRUE(seen.insert(channel).second) << channel;
            EXPECT_LE(channel, std::numeric_limits<std::int16_t>::max());
            EXPECT_EQ(channelIndex(band, channel), i);
            const auto c = convertChannel(band, channel);
            ASSERT_NE(c.reverse, 0) << channel;
            low = std::min({low, c.forward, c.reverse});
            high = std::max({high, c.forward, c.reverse});
        }
        EXPECT_EQ(formatNumber(low, "."), formatNumber(band.classic().window.start, "."));
        EXPECT_EQ(formatNumber(high, "."), formatNumber(band.classic().window.stop, "."));
        total += count;
    }
    EXPECT_EQ(total, 14702u);
}

TEST(ChannelLists, CountsAndTexts) {
    struct Row {
        const char* format;
        const char* band;
        std::size_t count;
        const char* text;
    };
    const Row rows[] = {
        {"AMPS", "Cell 800", 832, "1-799, 991-1023"},
        {"IS-136", "PCS 1900", 1997, "2-1998"},
        {"WCDMA", "Band VI", 29, "UL: 812, 837, 4162-4188; DL: 1037, 1062, 4387-4413"},
        {"GSM", "PCS 1900", 299, "512-810"},
    };
    for (const auto& r : rows) {
        const auto band = bandNamed(r.format, r.band);
        EXPECT_EQ(channelCount(band), r.count) << r.band;
        EXPECT_EQ(validChannelText(band), r.text) << r.band;
    }
    EXPECT_EQ(validChannelText(bandNamed("CDMA", "NMT450")),
              "1-300, 539-871, 1039-1473, 1792-2016");
    EXPECT_EQ(validChannelText(bandNamed("GSM", "R-GSM 900")), "0-124, 955-1023");
}

TEST(ChannelLists, Cell800IsOnePlanInThreeFormats) {
    const auto cdma = bandNamed("CDMA", "Cell 800");
    for (const char* format : {"IS-136", "AMPS"}) {
        const auto other = bandNamed(format, "Cell 800");
        EXPECT_EQ(validChannelText(other), validChannelText(cdma));
        EXPECT_EQ(channelCount(other), channelCount(cdma));
        EXPECT_EQ(channelAt(other, 0), channelAt(cdma, 0));
        EXPECT_EQ(other.classic().window.stop, cdma.classic().window.stop);
    }
}

TEST(ChannelLists, WindowTexts) {
    const auto start = [](const char* format, const char* band) {
        return formatNumber(bandNamed(format, band).classic().window.start, ".");
    };
    EXPECT_EQ(start("GSM", "GSM 480"), "479");
    EXPECT_EQ(start("CDMA", "US PCS 1900"), "1850");
    EXPECT_EQ(start("CDMA", "Cell 800"), "824.04");
    EXPECT_EQ(formatNumber(bandNamed("CDMA", "TACS (Japan)").classic().window.stop, "."),
              "924.9875");
}

TEST(ChannelLists, AnIndexPastTheListIsRefused) {
    const auto band = bandNamed("WCDMA", "Band VI");
    EXPECT_EQ(channelAt(band, 28), 4188);
    EXPECT_THROW(channelAt(band, 29), std::out_of_range);
}

}  // namespace
}  // namespace tarnvale

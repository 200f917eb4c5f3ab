#include "channel_plans.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "catalogue.h"
#include "conversion.h"
#include "number_text.h"

namespace tarnvale {
namespace {

ChannelList listOf(const char* format, const char* band) {
    const auto* plan = findChannelPlan(format, band);
    EXPECT_NE(plan, nullptr) << format << " " << band;
    return plan ? buildChannelList(*plan) : ChannelList{};
}

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
    const auto list = listOf(e.format, e.band);
    ASSERT_LT(e.index, list.size());
    EXPECT_EQ(list[e.index], e.channel);
    EXPECT_EQ(findChannelIndex(list, e.channel), static_cast<std::int16_t>(e.index));
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
    EXPECT_EQ(findChannelIndex(listOf(a.format, a.band), a.channel), -1);
}

INSTANTIATE_TEST_SUITE_P(Gaps, AbsentChannels, ::testing::ValuesIn(kAbsent));

// Every band of the catalogue has a plan whose list is free of repeats, whose channels all
// convert, and whose stored window is exactly the span of its carriers.
TEST(ChannelPlans, EveryCatalogueBandIsConsistent) {
    std::size_t total = 0;
    for (const auto& format : radioFormats()) {
        for (const auto band : format.bands) {
            SCOPED_TRACE(std::string(format.name) + " " + std::string(band));
            const auto* plan = findChannelPlan(format.name, band);
            ASSERT_NE(plan, nullptr);
            const auto list = buildChannelList(*plan);
            EXPECT_EQ(list.size(), channelCount(*plan));
            EXPECT_EQ(std::set<Channel>(list.begin(), list.end()).size(), list.size());
            double low = 1e9;
            double high = -1e9;
            for (const auto channel : list) {
                const auto c = convertChannel(band, format.name, channel);
                ASSERT_NE(c.reverse, 0) << channel;
                low = std::min({low, c.forward, c.reverse});
                high = std::max({high, c.forward, c.reverse});
            }
            EXPECT_EQ(formatNumber(low, "."), formatNumber(plan->windowStart, "."));
            EXPECT_EQ(formatNumber(high, "."), formatNumber(plan->windowStop, "."));
            total += list.size();
        }
    }
    EXPECT_EQ(total, 14702u);
}

TEST(ChannelPlans, UpperBoundsAndTexts) {
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
        const auto* plan = findChannelPlan(r.format, r.band);
        ASSERT_NE(plan, nullptr);
        EXPECT_EQ(channelCount(*plan), r.count) << r.band;
        EXPECT_EQ(plan->validChannels, r.text) << r.band;
    }
}

TEST(ChannelPlans, CellPlanIsSharedAndSelectionFollowsFormat) {
    EXPECT_EQ(findChannelPlan("AMPS", "anything"), findChannelPlan("CDMA", "Cell 800"));
    EXPECT_EQ(findChannelPlan("IS-136", "Cell 800"), findChannelPlan("CDMA", "Cell 800"));
    EXPECT_EQ(findChannelPlan("IS-136", "Band I"), findChannelPlan("IS-136", "PCS 1900"));
    EXPECT_NE(findChannelPlan("GSM", "PCS 1900"), findChannelPlan("IS-136", "PCS 1900"));
    EXPECT_EQ(findChannelPlan("cdma", "Cell 800"), nullptr);
    EXPECT_EQ(findChannelPlan("GSM", "Cell 800"), nullptr);
    EXPECT_EQ(findChannelPlan("CDMA", "NMT 450"), nullptr);
}

TEST(ChannelPlans, WindowTexts) {
    EXPECT_EQ(formatNumber(findChannelPlan("GSM", "GSM 480")->windowStart, "."), "479");
    EXPECT_EQ(formatNumber(findChannelPlan("CDMA", "US PCS 1900")->windowStart, "."), "1850");
    EXPECT_EQ(formatNumber(findChannelPlan("CDMA", "TACS (Japan)")->windowStop, "."), "924.9875");
    EXPECT_EQ(formatNumber(findChannelPlan("CDMA", "Cell 800")->windowStart, "."), "824.04");
}

}  // namespace
}  // namespace tarnvale

#include "engine/band_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/band_ref.h"

namespace tarnvale {
namespace {

std::vector<std::string> namesOf(Format format) {
    std::vector<std::string> names;
    for (const BandRef band : bandsOf(format)) {
        names.emplace_back(band.name());
    }
    return names;
}

TEST(BandTable, FormatsInOptionOrder) {
    std::vector<std::string> names;
    for (const auto format : kFormats) {
        names.emplace_back(formatName(format));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"CDMA", "GSM", "WCDMA", "IS-136", "AMPS", "LTE",
                                               "NR", "UMTS"}));
    EXPECT_TRUE(isClassic(Format::Amps));
    EXPECT_FALSE(isClassic(Format::Lte));
}

TEST(BandTable, BandsOfEachFormatInOptionOrder) {
    using V = std::vector<std::string>;
    EXPECT_EQ(namesOf(Format::Cdma), (V{"Cell 800", "US PCS 1900", "Korea PCS", "TACS (Japan)",
                                        "IMT2000", "China Cellular", "Secondary 800", "NMT450"}));
    EXPECT_EQ(namesOf(Format::Gsm), (V{"P-GSM 900", "E-GSM 900", "DCS 1800", "GSM 850", "PCS 1900",
                                       "R-GSM 900", "GSM 750", "GSM 450", "GSM 480"}));
    EXPECT_EQ(namesOf(Format::Wcdma),
              (V{"Band I", "Band II", "Band III", "Band IV", "Band V", "Band VI"}));
    EXPECT_EQ(namesOf(Format::Is136), (V{"Cell 800", "PCS 1900"}));
    EXPECT_EQ(namesOf(Format::Amps), (V{"Cell 800"}));
}

TEST(BandTable, EveryGenerationHasItsBands) {
    EXPECT_EQ(bandsOf(Format::Lte).size(), 74u);
    EXPECT_EQ(bandsOf(Format::Nr).size(), 81u);
    EXPECT_EQ(bandsOf(Format::Umts).size(), 21u);
    EXPECT_EQ(bandsOf(Format::Lte).front().name(), "Band 1");
    EXPECT_EQ(bandsOf(Format::Nr).back().name(), "n263");
    EXPECT_EQ(bandsOf(Format::Umts).back().name(), "Band XXXII");
}

TEST(BandTable, CatalogueIndexFollowsTheTable) {
    const auto table = bandTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].catalogueIndex(), i);
    }
}

TEST(BandLookup, ExactUnlessAskedToIgnoreCase) {
    EXPECT_TRUE(findFormat("IS-136"));
    EXPECT_FALSE(findFormat("is-136"));
    EXPECT_FALSE(findFormat("IS136"));
    EXPECT_EQ(findFormat("is-136", NameMatch::IgnoreCase), Format::Is136);
    EXPECT_TRUE(findBand("CDMA", "TACS (Japan)"));
    EXPECT_FALSE(findBand("CDMA", "PCS 1900"));
    EXPECT_FALSE(findBand("CDMA", "cell 800"));
    EXPECT_FALSE(findBand("CDMA", "Cell 800 "));
    const auto band = findBand("gsm", "dcs 1800", NameMatch::IgnoreCase);
    ASSERT_TRUE(band);
    EXPECT_EQ(band->name(), "DCS 1800");
    EXPECT_EQ(band->formatName(), "GSM");
}

TEST(BandLookup, SharedNamesAreDifferentBandsOfTheirFormats) {
    const auto gsmPcs = findBand("GSM", "PCS 1900");
    const auto is136Pcs = findBand("IS-136", "PCS 1900");
    ASSERT_TRUE(gsmPcs && is136Pcs);
    EXPECT_NE(*gsmPcs, *is136Pcs);
    EXPECT_NE(gsmPcs->plan<ClassicPlan>()->rule.ranges.front().spacing,
              is136Pcs->plan<ClassicPlan>()->rule.ranges.front().spacing);
}

}  // namespace
}  // namespace tarnvale

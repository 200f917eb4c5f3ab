#include "catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnvale {
namespace {

std::vector<std::string> captions(std::size_t format) {
    std::vector<std::string> result;
    for (std::size_t k = 0; k < kMaxBandsPerFormat; ++k) {
        result.emplace_back(bandCaption(format, k));
    }
    return result;
}

TEST(Catalogue, FormatsInOptionOrder) {
    std::vector<std::string> names;
    for (const auto& f : radioFormats()) {
        names.emplace_back(f.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"CDMA", "GSM", "WCDMA", "IS-136", "AMPS"}));
}

TEST(Catalogue, BandCaptionsPerFormat) {
    using V = std::vector<std::string>;
    EXPECT_EQ(captions(0), (V{"Cell 800", "US PCS 1900", "Korea PCS", "TACS (Japan)", "IMT2000",
                              "China Cellular", "Secondary 800", "NMT450", "", ""}));
    EXPECT_EQ(captions(1), (V{"P-GSM 900", "E-GSM 900", "DCS 1800", "GSM 850", "PCS 1900",
                              "R-GSM 900", "GSM 750", "GSM 450", "GSM 480", ""}));
    EXPECT_EQ(captions(2),
              (V{"Band I", "Band II", "Band III", "Band IV", "Band V", "Band VI", "", "", "", ""}));
    EXPECT_EQ(captions(3), (V{"Cell 800", "PCS 1900", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(captions(4), (V{"Cell 800", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(bandCaption(5, 0), "");
}

TEST(Catalogue, LookupIsExact) {
    ASSERT_NE(findFormat("IS-136"), nullptr);
    EXPECT_EQ(findFormat("is-136"), nullptr);
    EXPECT_EQ(findFormat("IS136"), nullptr);
    const auto& cdma = *findFormat("CDMA");
    EXPECT_TRUE(formatHasBand(cdma, "TACS (Japan)"));
    EXPECT_FALSE(formatHasBand(cdma, "PCS 1900"));
    EXPECT_FALSE(formatHasBand(cdma, "cell 800"));
}

}  // namespace
}  // namespace tarnvale

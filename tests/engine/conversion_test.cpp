#include "engine/conversion.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "engine/number_text.h"
#include "test_bands.h"

namespace tarnvale {
namespace {

using testing::classicPlan;

struct Carrier {
    const char* format;
    const char* band;
    Channel channel;
    const char* forward;
    const char* reverse;
    double spacingKhz;
};

// First and last channel of every sub-range, as the window shows them.
const Carrier kCarriers[] = {
    {"CDMA", "Cell 800", 1, "870.0300", "825.0300", 30},
    {"AMPS", "Cell 800", 799, "893.9700", "848.9700", 30},
    {"IS-136", "Cell 800", 991, "869.0400", "824.0400", 30},
    {"CDMA", "Cell 800", 1023, "870.0000", "825.0000", 30},
    {"IS-136", "PCS 1900", 2, "1930.0800", "1850.0400", 30},
    {"IS-136", "PCS 1900", 1998, "1989.9600", "1909.9200", 30},
    {"GSM", "PCS 1900", 512, "1930.2000", "1850.2000", 200},
    {"GSM", "PCS 1900", 810, "1989.8000", "1909.8000", 200},
    {"GSM", "P-GSM 900", 1, "935.2000", "890.2000", 200},
    {"GSM", "P-GSM 900", 124, "959.8000", "914.8000", 200},
    {"GSM", "E-GSM 900", 0, "935.0000", "890.0000", 200},
    {"GSM", "E-GSM 900", 124, "959.8000", "914.8000", 200},
    {"GSM", "E-GSM 900", 975, "925.2000", "880.2000", 200},
    {"GSM", "E-GSM 900", 1023, "934.8000", "889.8000", 200},
    {"GSM", "R-GSM 900", 0, "935.0000", "890.0000", 200},
    {"GSM", "R-GSM 900", 124, "959.8000", "914.8000", 200},
    {"GSM", "R-GSM 900", 955, "921.2000", "876.2000", 200},
    {"GSM", "R-GSM 900", 1023, "934.8000", "889.8000", 200},
    {"GSM", "DCS 1800", 512, "1805.2000", "1710.2000", 200},
    {"GSM", "DCS 1800", 885, "1879.8000", "1784.8000", 200},
    {"GSM", "GSM 850", 128, "869.2000", "824.2000", 200},
    {"GSM", "GSM 850", 251, "893.8000", "848.8000", 200},
    {"GSM", "GSM 750", 438, "777.2000", "747.2000", 200},
    {"GSM", "GSM 750", 511, "791.8000", "761.8000", 200},
    {"GSM", "GSM 450", 259, "460.6000", "450.6000", 200},
    {"GSM", "GSM 450", 293, "467.4000", "457.4000", 200},
    {"GSM", "GSM 480", 306, "489.0000", "479.0000", 200},
    {"GSM", "GSM 480", 340, "495.8000", "485.8000", 200},
    {"CDMA", "US PCS 1900", 0, "1930.0000", "1850.0000", 50},
    {"CDMA", "US PCS 1900", 1199, "1989.9500", "1909.9500", 50},
    {"CDMA", "Korea PCS", 0, "1840.0000", "1750.0000", 50},
    {"CDMA", "Korea PCS", 599, "1869.9500", "1779.9500", 50},
    {"CDMA", "TACS (Japan)", 1, "860.0125", "915.0125", 12.5},
    {"CDMA", "TACS (Japan)", 799, "869.9875", "924.9875", 12.5},
    {"CDMA", "TACS (Japan)", 801, "843.0125", "898.0125", 12.5},
    {"CDMA", "TACS (Japan)", 1039, "845.9875", "900.9875", 12.5},
    {"CDMA", "TACS (Japan)", 1041, "832.0125", "887.0125", 12.5},
    {"CDMA", "TACS (Japan)", 1199, "833.9875", "888.9875", 12.5},
    {"CDMA", "TACS (Japan)", 1201, "838.0125", "893.0125", 12.5},
    {"CDMA", "TACS (Japan)", 1600, "843.0000", "898.0000", 12.5},
    {"CDMA", "IMT2000", 0, "2110.0000", "1920.0000", 50},
    {"CDMA", "IMT2000", 1199, "2169.9500", "1979.9500", 50},
    {"CDMA", "NMT450", 1, "460.0000", "450.0000", 25},
    {"CDMA", "NMT450", 300, "467.4750", "457.4750", 25},
    {"CDMA", "NMT450", 539, "421.6750", "411.6750", 25},
    {"CDMA", "NMT450", 871, "429.9750", "419.9750", 25},
    {"CDMA", "NMT450", 1039, "461.3100", "451.3100", 20},
    {"CDMA", "NMT450", 1473, "469.9900", "459.9900", 20},
    {"CDMA", "NMT450", 1792, "489.0000", "479.0000", 20},
    {"CDMA", "NMT450", 2016, "493.4800", "483.4800", 20},
    {"CDMA", "China Cellular", 0, "925.0000", "880.0000", 50},
    {"CDMA", "China Cellular", 699, "959.9500", "914.9500", 50},
    {"CDMA", "Secondary 800", 0, "851.0000", "806.0000", 25},
    {"CDMA", "Secondary 800", 719, "868.9750", "823.9750", 25},
    {"CDMA", "Secondary 800", 720, "935.0000", "896.0000", 25},
    {"CDMA", "Secondary 800", 919, "939.9750", "900.9750", 25},
    {"WCDMA", "Band I", 9612, "2112.4000", "1922.4000", 200},
    {"WCDMA", "Band I", 9888, "2167.6000", "1977.6000", 200},
    {"WCDMA", "Band II", 12, "1932.5000", "1852.5000", 5000},
    {"WCDMA", "Band II", 287, "1987.5000", "1907.5000", 5000},
    {"WCDMA", "Band II", 9262, "1932.4000", "1852.4000", 200},
    {"WCDMA", "Band II", 9538, "1987.6000", "1907.6000", 200},
    {"WCDMA", "Band III", 8562, "1807.4000", "1712.4000", 200},
    {"WCDMA", "Band III", 8913, "1877.6000", "1782.6000", 200},
    {"WCDMA", "Band IV", 1162, "2112.5000", "1712.5000", 5000},
    {"WCDMA", "Band IV", 1362, "2152.5000", "1752.5000", 5000},
    {"WCDMA", "Band IV", 8562, "2112.4000", "1712.4000", 200},
    {"WCDMA", "Band IV", 8763, "2152.6000", "1752.6000", 200},
    {"WCDMA", "Band V", 782, "871.5000", "826.5000", 0},
    {"WCDMA", "Band V", 862, "887.5000", "842.5000", 0},
    {"WCDMA", "Band V", 4132, "871.4000", "826.4000", 200},
    {"WCDMA", "Band V", 4233, "891.6000", "846.6000", 200},
    {"WCDMA", "Band VI", 812, "877.5000", "832.5000", 5000},
    {"WCDMA", "Band VI", 837, "882.5000", "837.5000", 5000},
    {"WCDMA", "Band VI", 4162, "877.4000", "832.4000", 200},
    {"WCDMA", "Band VI", 4188, "882.6000", "837.6000", 200},
};

void PrintTo(const Carrier& c, std::ostream* os) {
    *os << c.format << " " << c.band << " " << c.channel;
}

class CarrierTable : public ::testing::TestWithParam<Carrier> {};

TEST_P(CarrierTable, ShowsBothCarriersAndSpacing) {
    const auto& row = GetParam();
    const auto c = convertChannel(classicPlan(row.format, row.band), row.channel);
    EXPECT_EQ(frequencyText(c.forward, "."), row.forward);
    EXPECT_EQ(frequencyText(c.reverse, "."), row.reverse);
    EXPECT_EQ(c.spacing, row.spacingKhz);
}

INSTANTIATE_TEST_SUITE_P(EverySubRangeEnd, CarrierTable, ::testing::ValuesIn(kCarriers));

TEST(Conversion, PcsChannel512DependsOnTheFormat) {
    const auto gsm = convertChannel(classicPlan("GSM", "PCS 1900"), 512);
    EXPECT_EQ(frequencyText(gsm.forward, "."), "1930.2000");
    const auto is136 = convertChannel(classicPlan("IS-136", "PCS 1900"), 512);
    EXPECT_EQ(frequencyText(is136.forward, "."), "1945.3800");
    EXPECT_EQ(frequencyText(is136.reverse, "."), "1865.3400");
    EXPECT_EQ(is136.spacing, 30);
}

TEST(Conversion, TacsReverseLiesAboveForwardOnEveryChannel) {
    for (Channel n = 1; n <= 1600; ++n) {
        const auto c = convertChannel(classicPlan("CDMA", "TACS (Japan)"), n);
        if (c.forward == 0) {
            continue;  // 800, 1040 and 1200 are in no sub-range
        }
        EXPECT_EQ(numberText(c.forward - c.reverse, "."), "-55") << n;
    }
}

TEST(Conversion, ChannelOutsideEverySubRange) {
    // The band's spacing still shows where it is assigned before the sub-range test.
    const auto cell = convertChannel(classicPlan("AMPS", "Cell 800"), 800);
    EXPECT_EQ(cell.forward, 0);
    EXPECT_EQ(cell.spacing, 30);
    // Divide-by-five bands give the gap as forward frequency and only assign with a match.
    const auto band6 = convertChannel(classicPlan("WCDMA", "Band VI"), 813);
    EXPECT_EQ(band6.reverse, 0);
    EXPECT_EQ(band6.forward, 45);
    EXPECT_EQ(band6.spacing, 0);
    const auto nmt = convertChannel(classicPlan("CDMA", "NMT450"), 400);
    EXPECT_EQ(nmt.spacing, 0);
}

TEST(Conversion, BandsIAndIIIConvertAnyChannel) {
    EXPECT_EQ(frequencyText(convertChannel(classicPlan("WCDMA", "Band I"), 10562).reverse, "."),
              "2112.4000");
    EXPECT_EQ(convertChannel(classicPlan("WCDMA", "Band III"), -5).reverse, -1.0);
}

TEST(Conversion, UpperEAndRGsmAgreeOnSharedChannels) {
    for (Channel n = 975; n <= 1023; ++n) {
        const auto e = convertChannel(classicPlan("GSM", "E-GSM 900"), n);
        const auto r = convertChannel(classicPlan("GSM", "R-GSM 900"), n);
        EXPECT_EQ(frequencyText(e.forward, "."), frequencyText(r.forward, ".")) << n;
        EXPECT_EQ(frequencyText(e.reverse, "."), frequencyText(r.reverse, ".")) << n;
    }
}

TEST(WcdmaPairing, DownlinkChannels) {
    const struct {
        const char* band;
        Channel uplink;
        Channel downlink;
    } rows[] = {
        {"Band I", 9612, 10562},  {"Band I", 9888, 10838},  {"Band II", 12, 412},
        {"Band II", 287, 687},    {"Band II", 9262, 9662},  {"Band III", 8562, 9037},
        {"Band III", 8913, 9388}, {"Band IV", 1162, 1462},  {"Band IV", 1362, 1662},
        {"Band IV", 1363, 3363},  {"Band IV", 8562, 10562}, {"Band V", 782, 1007},
        {"Band V", 4132, 4357},   {"Band VI", 812, 1037},   {"Band VI", 4188, 4413},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(pairedDownlinkChannel(classicPlan("WCDMA", r.band), r.uplink), r.downlink)
            << r.band << r.uplink;
    }
}

TEST(WcdmaPairing, NoPairingOutsideWcdmaOrPastTheChannelRange) {
    EXPECT_EQ(pairedDownlinkChannel(classicPlan("AMPS", "Cell 800"), 991), std::nullopt);
    EXPECT_EQ(pairedDownlinkChannel(classicPlan("GSM", "DCS 1800"), 512), std::nullopt);
    EXPECT_EQ(
        pairedDownlinkChannel(classicPlan("WCDMA", "Band I"), std::numeric_limits<Channel>::max()),
        std::nullopt);
}

}  // namespace
}  // namespace tarnvale

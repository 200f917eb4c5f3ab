#include "conversion.h"

#include <gtest/gtest.h>

#include <string>

#include "number_text.h"

namespace tarnvale {
namespace {

struct Carrier {
    const char* band;
    const char* format;
    Channel channel;
    const char* forward;
    const char* reverse;
    const char* spacing;
};

// First and last channel of every sub-range, as the window shows them.
const Carrier kCarriers[] = {
    {"Cell 800", "CDMA", 1, "870.0300", "825.0300", "Channel spacing: 30 KHz"},
    {"Cell 800", "AMPS", 799, "893.9700", "848.9700", "Channel spacing: 30 KHz"},
    {"Cell 800", "IS-136", 991, "869.0400", "824.0400", "Channel spacing: 30 KHz"},
    {"Cell 800", "CDMA", 1023, "870.0000", "825.0000", "Channel spacing: 30 KHz"},
    {"PCS 1900", "IS-136", 2, "1930.0800", "1850.0400", "Channel spacing: 30 KHz"},
    {"PCS 1900", "IS-136", 1998, "1989.9600", "1909.9200", "Channel spacing: 30 KHz"},
    {"PCS 1900", "GSM", 512, "1930.2000", "1850.2000", "Channel spacing: 200 KHz"},
    {"PCS 1900", "GSM", 810, "1989.8000", "1909.8000", "Channel spacing: 200 KHz"},
    {"P-GSM 900", "GSM", 1, "935.2000", "890.2000", "Channel spacing: 200 KHz"},
    {"P-GSM 900", "GSM", 124, "959.8000", "914.8000", "Channel spacing: 200 KHz"},
    {"E-GSM 900", "GSM", 0, "935.0000", "890.0000", "Channel spacing: 200 KHz"},
    {"E-GSM 900", "GSM", 124, "959.8000", "914.8000", "Channel spacing: 200 KHz"},
    {"E-GSM 900", "GSM", 975, "925.2000", "880.2000", "Channel spacing: 200 KHz"},
    {"E-GSM 900", "GSM", 1023, "934.8000", "889.8000", "Channel spacing: 200 KHz"},
    {"R-GSM 900", "GSM", 0, "935.0000", "890.0000", "Channel spacing: 200 KHz"},
    {"R-GSM 900", "GSM", 124, "959.8000", "914.8000", "Channel spacing: 200 KHz"},
    {"R-GSM 900", "GSM", 955, "921.2000", "876.2000", "Channel spacing: 200 KHz"},
    {"R-GSM 900", "GSM", 1023, "934.8000", "889.8000", "Channel spacing: 200 KHz"},
    {"DCS 1800", "GSM", 512, "1805.2000", "1710.2000", "Channel spacing: 200 KHz"},
    {"DCS 1800", "GSM", 885, "1879.8000", "1784.8000", "Channel spacing: 200 KHz"},
    {"GSM 850", "GSM", 128, "869.2000", "824.2000", "Channel spacing: 200 KHz"},
    {"GSM 850", "GSM", 251, "893.8000", "848.8000", "Channel spacing: 200 KHz"},
    {"GSM 750", "GSM", 438, "777.2000", "747.2000", "Channel spacing: 200 KHz"},
    {"GSM 750", "GSM", 511, "791.8000", "761.8000", "Channel spacing: 200 KHz"},
    {"GSM 450", "GSM", 259, "460.6000", "450.6000", "Channel spacing: 200 KHz"},
    {"GSM 450", "GSM", 293, "467.4000", "457.4000", "Channel spacing: 200 KHz"},
    {"GSM 480", "GSM", 306, "489.0000", "479.0000", "Channel spacing: 200 KHz"},
    {"GSM 480", "GSM", 340, "495.8000", "485.8000", "Channel spacing: 200 KHz"},
    {"US PCS 1900", "CDMA", 0, "1930.0000", "1850.0000", "Channel spacing: 50 KHz"},
    {"US PCS 1900", "CDMA", 1199, "1989.9500", "1909.9500", "Channel spacing: 50 KHz"},
    {"Korea PCS", "CDMA", 0, "1840.0000", "1750.0000", "Channel spacing: 50 KHz"},
    {"Korea PCS", "CDMA", 599, "1869.9500", "1779.9500", "Channel spacing: 50 KHz"},
    {"TACS (Japan)", "CDMA", 1, "860.0125", "915.0125", "Channel spacing: 12.5 KHz"},
    {"TACS (Japan)", "CDMA", 799, "869.9875", "924.9875", "Channel spacing: 12.5 KHz"},
    {"TACS (Japan)", "CDMA", 801, "843.0125", "898.0125", "Channel spacing: 12.5 KHz"},
    {"TACS (Japan)", "CDMA", 1039, "845.9875", "900.9875", "Channel spacing: 12.5 KHz"},
    {"TACS (Japan)", "CDMA", 1041, "832.0125", "887.0125", "Channel spacing: 12.5 KHz"},
    {"TACS (Japan)", "CDMA", 1199, "833.9875", "888.9875", "Channel spacing: 12.5 KHz"},
    {"TACS (Japan)", "CDMA", 1201, "838.0125", "893.0125", "Channel spacing: 12.5 KHz"},
    {"TACS (Japan)", "CDMA", 1600, "843.0000", "898.0000", "Channel spacing: 12.5 KHz"},
    {"IMT2000", "CDMA", 0, "2110.0000", "1920.0000", "Channel spacing: 50 KHz"},
    {"IMT2000", "CDMA", 1199, "2169.9500", "1979.9500", "Channel spacing: 50 KHz"},
    {"NMT450", "CDMA", 1, "460.0000", "450.0000", "Channel spacing: 25 KHz"},
    {"NMT450", "CDMA", 300, "467.4750", "457.4750", "Channel spacing: 25 KHz"},
    {"NMT450", "CDMA", 539, "421.6750", "411.6750", "Channel spacing: 25 KHz"},
    {"NMT450", "CDMA", 871, "429.9750", "419.9750", "Channel spacing: 25 KHz"},
    {"NMT450", "CDMA", 1039, "461.3100", "451.3100", "Channel spacing: 20 KHz"},
    {"NMT450", "CDMA", 1473, "469.9900", "459.9900", "Channel spacing: 20 KHz"},
    {"NMT450", "CDMA", 1792, "489.0000", "479.0000", "Channel spacing: 20 KHz"},
    {"NMT450", "CDMA", 2016, "493.4800", "483.4800", "Channel spacing: 20 KHz"},
    {"China Cellular", "CDMA", 0, "925.0000", "880.0000", "Channel spacing: 50 KHz"},
    {"China Cellular", "CDMA", 699, "959.9500", "914.9500", "Channel spacing: 50 KHz"},
    {"Secondary 800", "CDMA", 0, "851.0000", "806.0000", "Channel spacing: 25 KHz"},
    {"Secondary 800", "CDMA", 719, "868.9750", "823.9750", "Channel spacing: 25 KHz"},
    {"Secondary 800", "CDMA", 720, "935.0000", "896.0000", "Channel spacing: 25 KHz"},
    {"Secondary 800", "CDMA", 919, "939.9750", "900.9750", "Channel spacing: 25 KHz"},
    {"Band I", "WCDMA", 9612, "2112.4000", "1922.4000", "Channel spacing: 200 KHz"},
    {"Band I", "WCDMA", 9888, "2167.6000", "1977.6000", "Channel spacing: 200 KHz"},
    {"Band II", "WCDMA", 12, "1932.5000", "1852.5000", "Channel spacing: 5 MHz"},
    {"Band II", "WCDMA", 287, "1987.5000", "1907.5000", "Channel spacing: 5 MHz"},
    {"Band II", "WCDMA", 9262, "1932.4000", "1852.4000", "Channel spacing: 200 KHz"},
    {"Band II", "WCDMA", 9538, "1987.6000", "1907.6000", "Channel spacing: 200 KHz"},
    {"Band III", "WCDMA", 8562, "1807.4000", "1712.4000", "Channel spacing: 200 KHz"},
    {"Band III", "WCDMA", 8913, "1877.6000", "1782.6000", "Channel spacing: 200 KHz"},
    {"Band IV", "WCDMA", 1162, "2112.5000", "1712.5000", "Channel spacing: 5 MHz"},
    {"Band IV", "WCDMA", 1362, "2152.5000", "1752.5000", "Channel spacing: 5 MHz"},
    {"Band IV", "WCDMA", 8562, "2112.4000", "1712.4000", "Channel spacing: 200 KHz"},
    {"Band IV", "WCDMA", 8763, "2152.6000", "1752.6000", "Channel spacing: 200 KHz"},
    {"Band V", "WCDMA", 782, "871.5000", "826.5000", "Channel spacing: variable"},
    {"Band V", "WCDMA", 862, "887.5000", "842.5000", "Channel spacing: variable"},
    {"Band V", "WCDMA", 4132, "871.4000", "826.4000", "Channel spacing: 200 KHz"},
    {"Band V", "WCDMA", 4233, "891.6000", "846.6000", "Channel spacing: 200 KHz"},
    {"Band VI", "WCDMA", 812, "877.5000", "832.5000", "Channel spacing: 5 MHz"},
    {"Band VI", "WCDMA", 837, "882.5000", "837.5000", "Channel spacing: 5 MHz"},
    {"Band VI", "WCDMA", 4162, "877.4000", "832.4000", "Channel spacing: 200 KHz"},
    {"Band VI", "WCDMA", 4188, "882.6000", "837.6000", "Channel spacing: 200 KHz"},
};

void PrintTo(const Carrier& c, std::ostream* os) {
    *os << c.format << " " << c.band << " " << c.channel;
}

class CarrierTable : public ::testing::TestWithParam<Carrier> {};

TEST_P(CarrierTable, ShowsBothCarriersAndSpacing) {
    const auto& row = GetParam();
    const auto c = convertChannel(row.band, row.format, row.channel);
    EXPECT_EQ(formatFrequency(c.forward, "."), row.forward);
    EXPECT_EQ(formatFrequency(c.reverse, "."), row.reverse);
    EXPECT_EQ(formatChannelSpacing(c.spacing, "."), row.spacing);
}

INSTANTIATE_TEST_SUITE_P(EverySubRangeEnd, CarrierTable, ::testing::ValuesIn(kCarriers));

TEST(Conversion, PcsChannel512DependsOnTheFormat) {
    const auto gsm = convertChannel("PCS 1900", "GSM", 512);
    EXPECT_EQ(formatFrequency(gsm.forward, "."), "1930.2000");
    const auto is136 = convertChannel("PCS 1900", "IS-136", 512);
    EXPECT_EQ(formatFrequency(is136.forward, "."), "1945.3800");
    EXPECT_EQ(formatFrequency(is136.reverse, "."), "1865.3400");
    EXPECT_EQ(is136.spacing, 30);
}

TEST(Conversion, TacsReverseLiesAboveForwardOnEveryChannel) {
    for (Channel n = 1; n <= 1600; ++n) {
        const auto c = convertChannel("TACS (Japan)", "CDMA", n);
        if (c.forward == 0) {
            continue;  // 800, 1040 and 1200 are in no sub-range
        }
        EXPECT_EQ(formatNumber(c.forward - c.reverse, "."), "-55") << n;
    }
}

TEST(Conversion, UnknownBandGivesZerosAndVariableSpacing) {
    for (const char* band : {"cell 800", "Cell 800 ", "", "PCS1900"}) {
        const auto c = convertChannel(band, "CDMA", 991);
        EXPECT_EQ(c.forward, 0) << band;
        EXPECT_EQ(c.reverse, 0) << band;
        EXPECT_EQ(formatChannelSpacing(c.spacing, "."), "Channel spacing: variable");
    }
}

TEST(Conversion, ChannelOutsideEverySubRange) {
    // The band's spacing still shows where it is assigned before the sub-range test.
    const auto cell = convertChannel("Cell 800", "AMPS", 800);
    EXPECT_EQ(cell.forward, 0);
    EXPECT_EQ(cell.spacing, 30);
    // Divide-by-five bands give the gap as forward frequency and only assign with a match.
    const auto band6 = convertChannel("Band VI", "WCDMA", 813);
    EXPECT_EQ(band6.reverse, 0);
    EXPECT_EQ(band6.forward, 45);
    EXPECT_EQ(band6.spacing, 0);
    const auto nmt = convertChannel("NMT450", "CDMA", 400);
    EXPECT_EQ(nmt.spacing, 0);
}

TEST(Conversion, BandsIAndIIIConvertAnyChannel) {
    EXPECT_EQ(formatFrequency(convertChannel("Band I", "WCDMA", 10562).reverse, "."), "2112.4000");
    EXPECT_EQ(convertChannel("Band III", "WCDMA", -5).reverse, -1.0);
}

TEST(Conversion, UpperEAndRGsmAgreeOnSharedChannels) {
    for (Channel n = 975; n <= 1023; ++n) {
        const auto e = convertChannel("E-GSM 900", "GSM", n);
        const auto r = convertChannel("R-GSM 900", "GSM", n);
        EXPECT_EQ(formatFrequency(e.forward, "."), formatFrequency(r.forward, ".")) << n;
        EXPECT_EQ(formatFrequency(e.reverse, "."), formatFrequency(r.reverse, ".")) << n;
    }
}

TEST(ChannelSpacingText, UnitsAndSeparator) {
    EXPECT_EQ(formatChannelSpacing(12.5, ","), "Channel spacing: 12,5 KHz");
    EXPECT_EQ(formatChannelSpacing(999, "."), "Channel spacing: 999 KHz");
    EXPECT_EQ(formatChannelSpacing(1000, "."), "Channel spacing: 1 MHz");
    EXPECT_EQ(formatChannelSpacing(1250, "."), "Channel spacing: 1.25 MHz");
}

}  // namespace
}  // namespace tarnvale

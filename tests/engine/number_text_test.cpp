#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tarnvale {
namespace {

TEST(FrequencyText, FourDecimals) {
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {870.03, "870.0300"},
        {1930.2, "1930.2000"},
        {860.0125, "860.0125"},
        {935.0 + 0.2 * -1, "934.8000"},
        {0.5, ".5000"},
        {-55, "-55.0000"},
        {12345.67891, "12345.6789"},
        {std::nextafter(934.8, 1e9), "934.8000"},
        {std::nextafter(934.8, 0.0), "934.8000"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(frequencyText(r.value, "."), r.text) << r.value;
    }
    EXPECT_EQ(frequencyText(869.04, ","), "869,0400");
}

TEST(NumberText, GeneralForm) {
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {824.04, "824.04"},
        {479, "479"},
        {1850, "1850"},
        {832.0125, "832.0125"},
        {12.5, "12.5"},
        {-55, "-55"},
        {0, "0"},
        {0.05, "0.05"},
        {1e20, "100000000000000000000"},
        {1234567.125, "1234567.125"},
        {870.03 - 825.03, "45"},  // the subtraction's noise is rounded away
        {1930.08 - 1850.04, "80.04"},
        {2.0 / 3.0, "0.666666666666667"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(numberText(r.value, "."), r.text) << r.value;
    }
    EXPECT_EQ(numberText(-0.0, "."), "0");
    EXPECT_EQ(numberText(493.48, ","), "493,48");
}

TEST(NumberText, ReadsBackWhatItWrites) {
    for (const double v : {824.04, 893.97, 479.0, 2169.95, 411.675, 924.9875}) {
        for (const char* sep : {".", ",", "\u066B"}) {
            EXPECT_EQ(parseNumber(numberText(v, sep), sep), v) << v << sep;
        }
    }
}

TEST(NumberText, RejectsWhatIsNotPlainNumberText) {
    for (const char* text : {"", "abc", "1.2.3", " 5", "5 ", "+5", "1e5", "inf", "nan", "1,5"}) {
        EXPECT_EQ(parseNumber(text, "."), std::nullopt) << text;
    }
    EXPECT_EQ(parseNumber("1.5", ","), std::nullopt);
    EXPECT_EQ(parseNumber("-1,5", ","), -1.5);
}

TEST(ChannelText, Digits) {
    EXPECT_EQ(channelText(991), "991");
    EXPECT_EQ(channelText(-32768), "-32768");
    EXPECT_EQ(channelText(0), "0");
}

TEST(ChannelText, StrictParse) {
    EXPECT_EQ(parseChannel("991"), 991);
    EXPECT_EQ(parseChannel("0991"), 991);
    EXPECT_EQ(parseChannel("3279165"), 3279165);
    EXPECT_EQ(parseChannel("2147483647"), 2147483647);
    EXPECT_EQ(parseChannel("-2147483648"), -2147483647 - 1);
    for (const char* text : {"", "abc", "2147483648", "-2147483649", "1.5", " 1", "1 ", "+1", "-",
                             "12a", "\xd9\xa1"}) {
        EXPECT_EQ(parseChannel(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace tarnvale

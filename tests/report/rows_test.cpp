#include "report/rows.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace tarnvale::report {
namespace {

struct Sample {
    std::string_view name;
    std::optional<long long> count;
    std::int64_t khz;
    double mhz;
    double gap;
};

constexpr std::array<Column<Sample>, 5> kSampleColumns = {{
    {"name", "Name", Align::Left, [](const Sample& s) { return Field(s.name); }},
    {"count", "Count", Align::Right, [](const Sample& s) { return integerField(s.count); }},
    {"exact_mhz", "Exact MHz", Align::Right,
     [](const Sample& s) { return Field(Kilohertz{s.khz}); }},
    {"mhz", "MHz", Align::Right, [](const Sample& s) { return Field(Megahertz{s.mhz}); }},
    {"gap", "Gap", Align::Right, [](const Sample& s) { return Field(General{s.gap}); }},
}};

// Each kind of field in its own form: text, integer or empty, whole kilohertz as MHz, MHz at
// four decimals, a general number; the header from the column names.
TEST(Rows, WriteEachKindOfFieldInItsForm) {
    StringSink sink;
    Rows<kSampleColumns> rows(sink, {});
    rows.write({"a", 3, 3489420, 869.04, 95});
    rows.write({"b", std::nullopt, 750, 0.125, -101.5});
    rows.write({"c", 0, 2110000, 2110, -101.5});
    EXPECT_EQ(sink.text(),
              "name,count,exact_mhz,mhz,gap\n"
              "a,3,3489.4200,869.0400,95\n"
              "b,,.7500,.1250,-101.5\n"
              "c,0,2110.0000,2110.0000,-101.5\n");
}

TEST(Rows, JsonKeysAreTheColumnNames) {
    StringSink sink;
    Rows<kSampleColumns> rows(sink, {.json = true});
    rows.write({"b", std::nullopt, 750, 0.125, -101.5});
    EXPECT_EQ(
        sink.text(),
        "{\"name\":\"b\",\"count\":null,\"exact_mhz\":0.7500,\"mhz\":0.1250,\"gap\":-101.5}\n");
}

TEST(Rows, NamesOfATableAreItsColumnsInOrder) {
    EXPECT_EQ(namesOf(kSampleColumns),
              (std::array<std::string_view, 5>{"name", "count", "exact_mhz", "mhz", "gap"}));
}

}  // namespace
}  // namespace tarnvale::report

#include "report/table_writer.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string_view>

namespace tarnvale::report {
namespace {

constexpr std::array<std::string_view, 3> kColumns = {"name", "mhz", "pair"};

std::string written(OutputStyle style) {
    StringSink sink;
    TableWriter table(sink, kColumns, style);
    table.text("a,\"b\"");
    table.frequency(0.5);
    table.empty();
    table.endRow();
    table.text("tab\there");
    table.number("-0.25");
    table.integer(-7);
    table.endRow();
    return sink.text();
}

TEST(TableWriter, CsvQuotesOnlyWhereNeededAndEndsLinesAsAsked) {
    EXPECT_EQ(written({}), "name,mhz,pair\n\"a,\"\"b\"\"\",.5000,\ntab\there,-0.25,-7\n");
    EXPECT_EQ(written({.crlf = true, .header = false}),
              "\"a,\"\"b\"\"\",.5000,\r\ntab\there,-0.25,-7\r\n");
}

TEST(TableWriter, JsonLinesEscapeTextAndGiveNumbersALeadingDigit) {
    EXPECT_EQ(written({.json = true}),
              "{\"name\":\"a,\\\"b\\\"\",\"mhz\":0.5000,\"pair\":null}\n"
              "{\"name\":\"tab\\u0009here\",\"mhz\":-0.25,\"pair\":-7}\n");
}

// A caller may write one buffer with new content row after row: each row gets its own text.
TEST(TableWriter, TextsAreKnownByContentNotByWhereTheyLie) {
    for (const bool json : {false, true}) {
        StringSink sink;
        TableWriter table(sink, kColumns, {.json = json, .header = false});
        char letter = 'A';
        for (const char next : {'A', 'C', 'C', 'D'}) {
            letter = next;
            table.text(std::string_view(&letter, 1));
            table.text("");
            table.integer(0);
            table.endRow();
        }
        EXPECT_EQ(sink.text(), json ? "{\"name\":\"A\",\"mhz\":\"\",\"pair\":0}\n"
                                      "{\"name\":\"C\",\"mhz\":\"\",\"pair\":0}\n"
                                      "{\"name\":\"C\",\"mhz\":\"\",\"pair\":0}\n"
                                      "{\"name\":\"D\",\"mhz\":\"\",\"pair\":0}\n"
                                    : "A,,0\nC,,0\nC,,0\nD,,0\n");
    }
}

// A row must have a field for every column, no fewer and no more.
TEST(TableWriter, ARowWithTheWrongNumberOfFieldsIsRefused) {
    StringSink sink;
    TableWriter table(sink, kColumns, {.header = false});
    table.text("short");
    EXPECT_THROW(table.endRow(), std::logic_error);
    StringSink other;
    TableWriter full(other, kColumns, {.header = false});
    full.text("a");
    full.integer(1);
    full.integer(2);
    EXPECT_THROW(full.integer(3), std::logic_error);
}

// Output leaves in blocks as rows are written, not all at the end.
TEST(TableWriter, LongOutputIsHandedOnInBlocks) {
    StringSink sink;
    TableWriter table(sink, kColumns, {});
    for (int i = 0; i < 10000; ++i) {
        table.text("row");
        table.frequency(1930.2);
        table.integer(i);
        table.endRow();
    }
    EXPECT_LT(sink.pending(), 70000u);
    // The header, 10000 rows of "row,1930.2000,N\n" and the digits of 0 to 9999.
    EXPECT_EQ(sink.text().size(), 14u + 10000u * 15u + 38890u);
}

}  // namespace
}  // namespace tarnvale::report

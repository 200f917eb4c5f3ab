#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cli/csv_reader.h"
#include "cli/value_reader.h"

// The readers of standard input give the same rows and values however the input is cut into
// pieces, as a pipe may cut it.
namespace tarnvale::cli {
namespace {

struct ReadRow {
    std::string bytes;
    std::string lineEnd;
    std::size_t line;
    bool verbatim;
    std::vector<std::string> fields;
    bool operator==(const ReadRow&) const = default;
    friend void PrintTo(const ReadRow& row, std::ostream* out) {
        *out << ::testing::PrintToString(row.bytes) << " line " << row.line << " fields "
             << ::testing::PrintToString(row.fields);
    }
};

std::vector<ReadRow> readRows(const std::string& text, std::size_t pieceBytes,
                              Splitting splitting = Splitting::Fast, char delimiter = ',') {
    TextInput input(text, pieceBytes);
    CsvReader reader(input, {}, delimiter, splitting);
    std::vector<ReadRow> rows;
    while (const auto row = reader.next()) {
        ReadRow read{
            std::string(row->bytes), std::string(row->lineEnd), row->line, row->verbatim(), {}};
        for (std::size_t k = 0; k < reader.fieldCount(); ++k) {
            read.fields.emplace_back(reader.field(k));
        }
        rows.push_back(read);
    }
    return rows;
}

const std::vector<std::size_t> kPieces = {1, 2, 3, 7, InputBuffer::kBlockBytes};

TEST(CsvReader, RowsAreTheSameHoweverTheInputArrives) {
    const std::vector<std::string> inputs = {
        "\xEF\xBB\xBF\"a\",b\r\n1,\"x\"\"y\"\n\n\"multi\nline, too\",3\r\nlast,row",
        "\xEF\xBB\xBF",
        "\xEF\xBB\n",
        "a,\"open\nnever closed",
        std::string(3 * InputBuffer::kBlockBytes, 'x') + "\n1,2\n",
        "\"\"\"\",\"\"\n\r\n,,\n",
        "time,ch\r1,1300\r2,\"a\rb\"\r\r\n3,4\r",
    };
    for (const auto& input : inputs) {
        const auto whole = readRows(input, InputBuffer::kBlockBytes);
        std::string again;
        for (const auto& row : whole) {
            again += row.bytes + row.lineEnd;
        }
        EXPECT_EQ(again, input) << "every byte is in a row";
        for (const auto piece : kPieces) {
            EXPECT_EQ(readRows(input, piece), whole) << piece;
        }
    }
}

// The eight-bytes-at-a-time split against the byte-by-byte one, field by field, over inputs
// made of the bytes that matter, arriving whole and in pieces.
TEST(CsvReader, TheFastSplitGivesThePlainSplitsFields) {
    constexpr std::string_view kBytes = ",,;;\t\"\"\r\n\n--#0123456789aé";
    std::mt19937 random(20261208);
    for (int i = 0; i < 4000; ++i) {
        std::string text(std::uniform_int_distribution<std::size_t>(0, 80)(random), ' ');
        for (auto& c : text) {
            c = kBytes[std::uniform_int_distribution<std::size_t>(0, kBytes.size() - 1)(random)];
        }
        const char delimiter = i % 3 == 0 ? ';' : i % 3 == 1 ? '\t' : ',';
        const std::size_t piece = i % 5 == 0 ? 1 + i % 9 : InputBuffer::kBlockBytes;
        ASSERT_EQ(readRows(text, piece, Splitting::Fast, delimiter),
                  readRows(text, piece, Splitting::Plain, delimiter))
            << testing::PrintToString(text);
    }
}

TEST(CsvReader, SplitsAndUnquotesFieldsAndCountsPhysicalLines) {
    const auto rows = readRows(
        "\xEF\xBB\xBF\"id\",n\r\n\"a,\nb\",\"say \"\"hi\"\"\"\nx\"y,\"1\"2\n"
        "\n\"c\"\r\nend",
        3);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].fields, (std::vector<std::string>{"id", "n"}));
    EXPECT_EQ(rows[0].lineEnd, "\r\n");
    EXPECT_EQ(rows[1].fields, (std::vector<std::string>{"a,\nb", "say \"hi\""}));
    EXPECT_EQ(rows[1].line, 2u);
    EXPECT_EQ(rows[2].fields, (std::vector<std::string>{"x\"y", "12"}));
    EXPECT_EQ(rows[2].line, 4u);
    EXPECT_EQ(rows[3].bytes, "");
    EXPECT_EQ(rows[4].fields, (std::vector<std::string>{"c"}));
    EXPECT_EQ(rows[4].line, 6u);
    EXPECT_EQ(rows[5].lineEnd, "");
    EXPECT_EQ(rows[5].line, 7u);
}

TEST(CsvReader, ALoneCrEndsALineAsLfAndCrlfDo) {
    const auto rows = readRows("time;ch\r1;1300\r2;\"a\rb\"\r\r\n3;4\r", 1, Splitting::Fast, ';');
    std::vector<std::vector<std::string>> fields;
    std::vector<std::string> ends;
    std::vector<std::size_t> lines;
    for (const auto& row : rows) {
        fields.push_back(row.fields);
        ends.push_back(row.lineEnd);
        lines.push_back(row.line);
    }
    EXPECT_EQ(fields, (std::vector<std::vector<std::string>>{
                          {"time", "ch"}, {"1", "1300"}, {"2", "a\rb"}, {""}, {"3", "4"}}));
    EXPECT_EQ(ends, (std::vector<std::string>{"\r", "\r", "\r", "\r\n", "\r"}));
    EXPECT_EQ(lines, (std::vector<std::size_t>{1, 2, 3, 5, 6}));
}

TEST(CsvReader, AQuoteLeftOpenOrAnEndlessRowEndsTheCsv) {
    const auto open = readRows("a,b\n1,\"never\n2,3\n", 2);
    ASSERT_GE(open.size(), 2u);
    EXPECT_FALSE(open[0].verbatim);
    EXPECT_TRUE(open[1].verbatim);
    EXPECT_EQ(open[1].line, 2u);
    const auto endless = readRows(std::string(CsvReader::kLongestRow + 10, 'x'), 4096);
    ASSERT_FALSE(endless.empty());
    EXPECT_TRUE(endless[0].verbatim);
}

std::vector<std::pair<std::string, std::size_t>> readValues(const std::string& text,
                                                            std::size_t pieceBytes) {
    TextInput input(text, pieceBytes);
    ValueReader reader(input, {});
    std::vector<std::pair<std::string, std::size_t>> values;
    while (const auto value = reader.next()) {
        values.emplace_back(value->text, value->line);
    }
    return values;
}

TEST(ValueReader, ValuesAndTheirLinesHoweverTheInputArrives) {
    const std::string input = " 1,2 ,,3\r\n\n4\t5\f6\v\n\n7";
    const std::vector<std::pair<std::string, std::size_t>> expected = {
        {"1", 1}, {"2", 1}, {"3", 1}, {"4", 3}, {"5", 3}, {"6", 3}, {"7", 5}};
    for (const auto piece : kPieces) {
        EXPECT_EQ(readValues(input, piece), expected) << piece;
    }
    EXPECT_TRUE(readValues(" \n,\r\n", 1).empty());
}

TEST(ValueReader, AnOverlongValueIsCutAndTheNextOneStillRead) {
    const std::string longValue(ValueReader::kLongestValue * 3, '7');
    for (const auto piece : kPieces) {
        const auto values = readValues("1\n" + longValue + "\n2", piece);
        ASSERT_EQ(values.size(), 3u);
        EXPECT_EQ(values[1].first, longValue.substr(0, ValueReader::kLongestValue) + "...");
        EXPECT_EQ(values[2], std::make_pair(std::string("2"), std::size_t{3}));
    }
}

// Input that never ends: bytes without a separator, as /dev/zero gives them.
class EndlessInput : public Input {
  public:
    std::size_t read(char* buffer, std::size_t capacity) override {
        ++reads;
        std::fill_n(buffer, capacity, '\0');
        return capacity;
    }
    int reads = 0;
};

// A value past the limit is handed out as soon as the limit is read, not at its end.
TEST(ValueReader, AnEndlessValueIsHandedOutOnceItPassesTheLimit) {
    EndlessInput input;
    ValueReader reader(input, {});
    const auto value = reader.next();
    ASSERT_TRUE(value);
    EXPECT_TRUE(value->text.ends_with("..."));
    EXPECT_LE(input.reads, 2);
}

}  // namespace
}  // namespace tarnvale::cli

#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/input.h"

namespace tarnvale::cli {

// Why the rest of an input is no CSV.
enum class NotCsv : std::uint8_t {
    No,
    OpenQuote,  // a quote that never closes
    LongRow,    // a row longer than CsvReader::kLongestRow
};

// A row of a CSV input, exactly as it was read.
struct CsvRow {
    std::string_view bytes;    // without its line end; a row of the input's first line keeps
                               // a byte-order mark
    std::string_view lineEnd;  // "\n", "\r\n", "\r", or empty at the end of the input
    std::size_t line;          // the physical line the row starts on, from 1
    // Past this row the input is no CSV. The row holds what is left of the input, or as much as
    // fits, and the rows after it are the rest, verbatim.
    NotCsv notCsv = NotCsv::No;

    bool verbatim() const { return notCsv != NotCsv::No; }
};

// How a reader finds the fields of a row that holds no quote: eight bytes at a time, or byte by
// byte as every other row is read, the reference the fast way is checked against.
enum class Splitting : std::uint8_t { Fast, Plain };

// Reads the rows of RFC 4180 CSV, in blocks, keeping every byte: quoted fields may hold
// delimiters, quotes and line breaks; line ends may be LF, CRLF or a lone CR, and may differ
// from row to row. Fields are split as the row is read, and one is unquoted on request.
class CsvReader {
  public:
    static constexpr std::size_t kLongestRow = std::size_t{1} << 20;

    CsvReader(Input& input, std::function<void()> beforeRead, char delimiter = ',',
              Splitting splitting = Splitting::Fast)
        : buffer_(input, std::move(beforeRead)), delimiter_(delimiter), splitting_(splitting) {}

    // The next row, or nullopt at the end of the input; it and the fields last until the next
    // call.
    std::optional<CsvRow> next();

    std::size_t fieldCount() const { return fields_.size(); }
    // The text of field `k` of the row, unquoted.
    std::string_view field(std::size_t k);

  private:
    struct FieldSpan {
        std::uint32_t start;
        std::uint32_t end;
    };
    // Where a row ends: its bytes, and the line end's length after them.
    struct RowEnd {
        std::size_t bytes;
        std::size_t lineEnd;
    };
    enum class Scan { Row, NeedMore, TooLong };
    // Where the scan of a row stands when the buffer runs out: it resumes there once more input
    // is read, so a row that arrives byte by byte is still scanned once.
    enum class State : std::uint8_t { FieldStart, Quoted, Unquoted };

    void skipByteOrderMark();
    Scan scanRow(RowEnd& end);
    bool splitPlainRow(const char* at, RowEnd& end);
    Scan stop(const char* at);
    Scan rowAt(const char* at, std::size_t lineEnd, RowEnd& end);
    void countLines(const char* from, const char* to);
    bool quoteLeftOpen() const;
    bool crEndsInput() const;
    std::optional<CsvRow> verbatimRest();
    CsvRow take(RowEnd end);

    InputBuffer buffer_;
    char delimiter_;
    Splitting splitting_;
    std::vector<FieldSpan> fields_;
    State state_ = State::FieldStart;
    std::size_t resume_ = 0;       // where the scan goes on, from the row's start
    std::uint32_t openField_ = 0;  // where the field being scanned starts
    std::size_t linesInRow_ = 0;   // line ends inside quoted fields
    bool afterCr_ = false;         // the last byte counted was a CR, so an LF ends no new line
    const char* rowStart_ = nullptr;
    std::string unquoted_;
    std::size_t line_ = 1;
    bool started_ = false;
    NotCsv notCsv_ = NotCsv::No;
};

}  // namespace tarnvale::cli

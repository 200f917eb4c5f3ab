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

// A row of a CSV input, exactly as it was read.
struct CsvRow {
    std::string_view bytes;    // without its line end; a row of the input's first line keeps
                               // a byte-order mark
    std::string_view lineEnd;  // "\n", "\r\n", or empty at the end of the input
    std::size_t line;          // the physical line the row starts on, from 1
    // Past this row the input is no CSV: a quote that never closes, or a row longer than
    // kLongestRow. The row holds what is left of the input, or as much as fits, and the rows
    // after it are the rest, verbatim.
    bool verbatim = false;
};

// Reads the rows of RFC 4180 CSV, in blocks, keeping every byte: quoted fields may hold commas,
// quotes and line breaks, line ends may be LF or CRLF and may differ from row to row. Fields
// are split as the row is read, and one is unquoted on request.
class CsvReader {
  public:
    static constexpr std::size_t kLongestRow = std::size_t{1} << 20;

    CsvReader(Input& input, std::function<void()> beforeRead)
        : buffer_(input, std::move(beforeRead)) {}

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
    enum class Scan { Row, NeedMore, TooLong };
    // Where the scan of a row stands when the buffer runs out: it resumes there once more input
    // is read, so a row that arrives byte by byte is still scanned once.
    enum class State : std::uint8_t { FieldStart, Quoted, Unquoted };

    void skipByteOrderMark();
    Scan scanRow(std::size_t& rowEnd);
    bool splitPlainRow(const char* at, std::size_t& rowEnd);
    Scan stop(const char* at);
    bool quoteLeftOpen() const;
    std::optional<CsvRow> verbatimRest();
    CsvRow take(std::size_t rowEnd, bool lineEnded);

    InputBuffer buffer_;
    std::vector<FieldSpan> fields_;
    State state_ = State::FieldStart;
    std::size_t resume_ = 0;       // where the scan goes on, from the row's start
    std::uint32_t openField_ = 0;  // where the field being scanned starts
    std::size_t newlinesInRow_ = 0;
    const char* rowStart_ = nullptr;
    std::string unquoted_;
    std::size_t line_ = 1;
    bool started_ = false;
    bool verbatim_ = false;
};

}  // namespace tarnvale::cli

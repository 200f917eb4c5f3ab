#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/number_text.h"
#include "report/sink.h"

namespace tarnvale::report {

// How rows are written: CSV (a header line, LF or CRLF line ends, RFC 4180 quoting) or JSON
// Lines (one object a row, the same field names, numbers with the digits the CSV shows).
struct OutputStyle {
    bool json = false;
    bool crlf = false;
    bool header = true;
};

// Writes the rows of one table with the columns `names`. Fields are given in column order; the
// field writers write a number's digits straight into the output.
class TableWriter {
  public:
    TableWriter(Sink& sink, std::span<const std::string_view> names, OutputStyle style);

    // The field writers are inline: a table of a million rows calls them ten times a row.
    void text(std::string_view value) {
        checkRoom();
        auto& last = lastText_[field_];
        if (value != last.raw) {
            encode(last, value);
        }
        char* at = beginField(last.encoded.size());
        sink_.commit(std::copy(last.encoded.begin(), last.encoded.end(), at));
    }
    // A number given as the digits the CSV shows, e.g. "869.0400".
    void number(std::string_view digits) {
        char* at = beginField(digits.size() + 1);
        endNumber(at, std::copy(digits.begin(), digits.end(), at));
    }
    void integer(long long value) {
        char* at = beginField(kMaxIntegerChars);
        sink_.commit(writeInteger(at, value));
    }
    // Four decimals.
    void frequency(double mhz) {
        char* at = beginField(kMaxFrequencyChars + 1);
        endNumber(at, writeFrequency(at, mhz, "."));
    }
    // Whole kilohertz as MHz with four decimals.
    void kilohertz(std::int64_t khz) {
        char* at = beginField(kMaxIntegerChars + 3);
        endNumber(at, writeKilohertzAsMegahertz(at, khz, "."));
    }
    // A field without a value: empty in CSV, null in JSON.
    void empty() {
        char* at = beginField(4);
        sink_.commit(style_.json ? std::copy_n("null", 4, at) : at);
    }
    // Ends a row, which must have had a field for every column.
    void endRow() {
        if (field_ != names_.size()) [[unlikely]] {
            throw std::logic_error("a row of " + std::to_string(field_) + " fields for " +
                                   std::to_string(names_.size()) + " columns");
        }
        char* at = sink_.reserve(2);
        if (style_.json) {
            at = std::copy_n("}\n", 2, at);
        } else {
            at = style_.crlf ? std::copy_n("\r\n", 2, at) : std::copy_n("\n", 1, at);
        }
        sink_.commit(at);
        field_ = 0;
        sink_.flushIfFull();
    }

  private:
    // Room for the field's separator or key and `valueBytes` more; returns where the value goes.
    char* beginField(std::size_t valueBytes) {
        checkRoom();
        if (style_.json) {
            return beginJsonField(valueBytes);
        }
        char* at = sink_.reserve(valueBytes + 1);
        if (field_++ > 0) {
            *at++ = ',';
        }
        return at;
    }
    char* beginJsonField(std::size_t valueBytes);
    void checkRoom() const {
        if (field_ >= names_.size()) [[unlikely]] {
            throw std::logic_error("a field past the row's " + std::to_string(names_.size()) +
                                   " columns");
        }
    }
    // Commits a number written from `start` to `end`.
    void endNumber(char* start, char* end) {
        const bool bare = style_.json && start != end &&
                          (*start == '.' || (*start == '-' && start + 1 != end && start[1] == '.'));
        sink_.commit(bare ? leadingZero(start, end) : end);
    }
    static char* leadingZero(char* start, char* end);

    // A text field as last written, kept because the same name fills a column row after row.
    // It is known by its content: a caller may write different texts from one buffer.
    struct WrittenText {
        std::string raw;
        std::string encoded;
    };

    void encode(WrittenText& last, std::string_view value) const;

    Sink& sink_;
    std::span<const std::string_view> names_;
    OutputStyle style_;
    std::vector<WrittenText> lastText_;
    std::size_t field_ = 0;
};

// Appends one CSV field, quoted where it holds a comma, quote or line break.
void appendCsvField(std::string& out, std::string_view field);

}  // namespace tarnvale::report

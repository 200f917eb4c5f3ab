#include "cli/csv_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tarnvale::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Eight bytes from `at`, the first in the lowest bits.
std::uint64_t wordAt(const char* at) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    if constexpr (std::endian::native == std::endian::big) {
        word = __builtin_bswap64(word);
    }
    return word;
}

// The high bit of each byte of `word` that equals `c`, and no other bit.
std::uint64_t bytesEqual(std::uint64_t word, char c) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t x = word ^ (0x0101010101010101ULL * static_cast<unsigned char>(c));
    return ~(((x & kLow7) + kLow7) | x) & ~kLow7;
}

}  // namespace

std::optional<CsvRow> CsvReader::next() {
    if (verbatim_) {
        return verbatimRest();
    }
    fields_.clear();
    if (!started_) {
        skipByteOrderMark();
    }
    if (buffer_.begin() == buffer_.end() && !buffer_.readMore()) {
        return std::nullopt;
    }
    for (;;) {
        std::size_t rowEnd = 0;
        const Scan scan = scanRow(rowEnd);
        if (scan == Scan::Row) {
            return take(rowEnd, true);
        }
        if (scan == Scan::NeedMore && buffer_.readMore()) {
            continue;
        }
        if (scan == Scan::TooLong || quoteLeftOpen()) {
            verbatim_ = true;
            return verbatimRest();
        }
        // The last row of an input without a final line end.
        return take(static_cast<std::size_t>(buffer_.end() - buffer_.begin()), false);
    }
}

// A byte-order mark stays in the first row's bytes but is no part of its first field.
void CsvReader::skipByteOrderMark() {
    const auto front = [this] { return std::string_view(buffer_.begin(), buffer_.end()); };
    while (front().size() < kByteOrderMark.size() && kByteOrderMark.starts_with(front()) &&
           buffer_.readMore()) {
    }
    if (front().starts_with(kByteOrderMark)) {
        resume_ = kByteOrderMark.size();
        openField_ = static_cast<std::uint32_t>(kByteOrderMark.size());
    }
    started_ = true;
}

// Splits the row at the front of the buffer into fields, going on where the last scan stopped.
// A line break outside quotes ends the row; short of one, the buffer holds only part of it.
CsvReader::Scan CsvReader::scanRow(std::size_t& rowEnd) {
    const char* start = buffer_.begin();
    const char* end = buffer_.end();
    const char* at = start + resume_;
    if (fields_.empty() && state_ == State::FieldStart && splitPlainRow(at, rowEnd)) {
        return Scan::Row;
    }
    for (;;) {
        switch (state_) {
            case State::FieldStart:
                if (at == end) {
                    return stop(at);
                }
                state_ = *at == '"' ? State::Quoted : State::Unquoted;
                at += *at == '"' ? 1 : 0;
                break;
            case State::Quoted:
                for (; at != end && *at != '"'; ++at) {
                    newlinesInRow_ += *at == '\n' ? 1 : 0;
                }
                // A quote at the end of the buffer may be the first of two: the next byte tells.
                if (at == end || at + 1 == end) {
                    return stop(at);
                }
                if (at[1] == '"') {
                    at += 2;
                } else {
                    ++at;
                    state_ = State::Unquoted;
                }
                break;
            case State::Unquoted:
                // Unquoted text, or what follows a closing quote, runs to a comma or line break.
                at = std::find_if(at, end, [](char c) { return c == ',' || c == '\n'; });
                if (at == end) {
                    return stop(at);
                }
                fields_.push_back({openField_, static_cast<std::uint32_t>(at - start)});
                if (*at == '\n') {
                    rowEnd = static_cast<std::size_t>(at - start);
                    return Scan::Row;
                }
                ++at;
                openField_ = static_cast<std::uint32_t>(at - start);
                state_ = State::FieldStart;
                break;
        }
    }
}

// Most rows of a log hold no quote: their fields end at each comma up to the line break. Those
// are found eight bytes at a time, a log being mostly short fields.
bool CsvReader::splitPlainRow(const char* at, std::size_t& rowEnd) {
    const char* start = buffer_.begin();
    auto fieldStart = static_cast<std::uint32_t>(at - start);
    // Ends the field at `mark`; true where that ends the row.
    const auto endField = [&](const char* mark) {
        const auto here = static_cast<std::uint32_t>(mark - start);
        fields_.push_back({fieldStart, here});
        fieldStart = here + 1;
        rowEnd = here;
        return *mark == '\n';
    };
    for (; buffer_.end() - at >= 8; at += 8) {
        const std::uint64_t word = wordAt(at);
        const std::uint64_t lineBreaks = bytesEqual(word, '\n');
        const std::uint64_t beforeBreak = lineBreaks == 0 ? ~0ULL : (lineBreaks & -lineBreaks) - 1;
        if ((bytesEqual(word, '"') & beforeBreak) != 0) {
            break;
        }
        for (std::uint64_t marks = bytesEqual(word, ',') | lineBreaks; marks != 0;
             marks &= marks - 1) {
            if (endField(at + std::countr_zero(marks) / 8)) {
                return true;
            }
        }
    }
    for (; at != buffer_.end() && *at != '"'; ++at) {
        if ((*at == ',' || *at == '\n') && endField(at)) {
            return true;
        }
    }
    fields_.clear();
    return false;
}

CsvReader::Scan CsvReader::stop(const char* at) {
    resume_ = static_cast<std::size_t>(at - buffer_.begin());
    return static_cast<std::size_t>(buffer_.end() - buffer_.begin()) >= kLongestRow
               ? Scan::TooLong
               : Scan::NeedMore;
}

// At the end of the input: whether the row's quoted text never closed. A quote that ends the
// input closes it.
bool CsvReader::quoteLeftOpen() const {
    return state_ == State::Quoted && buffer_.begin() + resume_ + 1 != buffer_.end();
}

// Takes the row that ends at `rowEnd`, with the line break there if `lineEnded`.
CsvRow CsvReader::take(std::size_t rowEnd, bool lineEnded) {
    const char* start = buffer_.begin();
    const bool crlf = lineEnded && rowEnd > 0 && start[rowEnd - 1] == '\r';
    const std::size_t bytes = rowEnd - (crlf ? 1 : 0);
    if (!lineEnded) {
        fields_.push_back({std::min(openField_, static_cast<std::uint32_t>(bytes)),
                           static_cast<std::uint32_t>(bytes)});
    } else if (crlf) {
        fields_.back().end = std::min(fields_.back().end, static_cast<std::uint32_t>(bytes));
    }
    const CsvRow row{{start, bytes},
                     {start + bytes, static_cast<std::size_t>(lineEnded) + (crlf ? 1 : 0)},
                     line_};
    line_ += newlinesInRow_ + (lineEnded ? 1 : 0);
    rowStart_ = start;
    buffer_.consume(start + rowEnd + (lineEnded ? 1 : 0));
    state_ = State::FieldStart;
    resume_ = 0;
    openField_ = 0;
    newlinesInRow_ = 0;
    return row;
}

std::optional<CsvRow> CsvReader::verbatimRest() {
    fields_.clear();
    if (buffer_.begin() == buffer_.end() && !buffer_.readMore()) {
        return std::nullopt;
    }
    const CsvRow row{{buffer_.begin(), static_cast<std::size_t>(buffer_.end() - buffer_.begin())},
                     {},
                     line_,
                     true};
    buffer_.consume(buffer_.end());
    return row;
}

std::string_view CsvReader::field(std::size_t k) {
    const auto span = fields_[k];
    const std::string_view raw(rowStart_ + span.start, span.end - span.start);
    if (!raw.starts_with('"')) {
        return raw;
    }
    // A quote opens and closes quoted text; two in quoted text stand for one.
    unquoted_.clear();
    bool quoted = false;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '"') {
            unquoted_ += raw[i];
        } else if (quoted && i + 1 < raw.size() && raw[i + 1] == '"') {
            unquoted_ += '"';
            ++i;
        } else {
            quoted = !quoted;
        }
    }
    return unquoted_;
}

}  // namespace tarnvale::cli

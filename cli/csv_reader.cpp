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

bool isLineBreak(char c) {
    return c == '\n' || c == '\r';
}

}  // namespace

std::optional<CsvRow> CsvReader::next() {
    if (notCsv_ != NotCsv::No) {
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
        RowEnd end{};
        const Scan scan = scanRow(end);
        if (scan == Scan::Row) {
            return take(end);
        }
        if (scan == Scan::NeedMore && buffer_.readMore()) {
            continue;
        }
        if (scan == Scan::TooLong || quoteLeftOpen()) {
            notCsv_ = scan == Scan::TooLong ? NotCsv::LongRow : NotCsv::OpenQuote;
            return verbatimRest();
        }
        // The last row of the input: a lone CR may end it, or nothing.
        const auto size = static_cast<std::size_t>(buffer_.end() - buffer_.begin());
        if (crEndsInput()) {
            fields_.push_back({openField_, static_cast<std::uint32_t>(size - 1)});
            return take({size - 1, 1});
        }
        fields_.push_back({std::min(openField_, static_cast<std::uint32_t>(size)),
                           static_cast<std::uint32_t>(size)});
        return take({size, 0});
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
CsvReader::Scan CsvReader::scanRow(RowEnd& rowEnd) {
    const char* start = buffer_.begin();
    const char* end = buffer_.end();
    const char* at = start + resume_;
    if (splitting_ == Splitting::Fast && fields_.empty() && state_ == State::FieldStart &&
        splitPlainRow(at, rowEnd)) {
        return rowEnd.bytes > kLongestRow ? Scan::TooLong : Scan::Row;
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
            case State::Quoted: {
                const char* quote = std::find(at, end, '"');
                countLines(at, quote);
                at = quote;
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
            }
            case State::Unquoted:
                // Unquoted text, or what follows a closing quote, runs to a delimiter or a line
                // break; a CR ends the line alone unless an LF follows it, which the next byte
                // tells.
                at = std::find_if(at, end,
                                  [this](char c) { return c == delimiter_ || isLineBreak(c); });
                if (at == end || (*at == '\r' && at + 1 == end)) {
                    return stop(at);
                }
                fields_.push_back({openField_, static_cast<std::uint32_t>(at - start)});
                if (isLineBreak(*at)) {
                    return rowAt(at, *at == '\r' && at[1] == '\n' ? 2 : 1, rowEnd);
                }
                ++at;
                openField_ = static_cast<std::uint32_t>(at - start);
                state_ = State::FieldStart;
                break;
        }
    }
}

// Most rows of a log hold no quote: their fields end at each delimiter up to the line break.
// Those are found eight bytes at a time, a log being mostly short fields.
bool CsvReader::splitPlainRow(const char* at, RowEnd& rowEnd) {
    const char* start = buffer_.begin();
    const char* end = buffer_.end();
    auto fieldStart = static_cast<std::uint32_t>(at - start);
    // Ends the field at `mark`; true where that ends the row, with its line end in `rowEnd`.
    // nullopt where a CR ends the buffer, and only the next read tells how the line ends.
    const auto endField = [&](const char* mark) -> std::optional<bool> {
        if (*mark == '\r' && mark + 1 == end) {
            return std::nullopt;
        }
        const auto here = static_cast<std::uint32_t>(mark - start);
        fields_.push_back({fieldStart, here});
        fieldStart = here + 1;
        if (!isLineBreak(*mark)) {
            return false;
        }
        rowEnd = {here, *mark == '\r' && mark[1] == '\n' ? 2U : 1U};
        return true;
    };
    const auto finish = [&](std::optional<bool> ended) {
        if (!ended) {
            fields_.clear();
        }
        return ended.value_or(false);
    };
    for (; end - at >= 8; at += 8) {
        const std::uint64_t word = wordAt(at);
        const std::uint64_t lineBreaks = bytesEqual(word, '\n') | bytesEqual(word, '\r');
        const std::uint64_t beforeBreak = lineBreaks == 0 ? ~0ULL : (lineBreaks & -lineBreaks) - 1;
        if ((bytesEqual(word, '"') & beforeBreak) != 0) {
            break;
        }
        for (std::uint64_t marks = bytesEqual(word, delimiter_) | lineBreaks; marks != 0;
             marks &= marks - 1) {
            const auto ended = endField(at + std::countr_zero(marks) / 8);
            if (!ended || *ended) {
                return finish(ended);
            }
        }
    }
    for (; at != end && *at != '"'; ++at) {
        if (*at == delimiter_ || isLineBreak(*at)) {
            const auto ended = endField(at);
            if (!ended || *ended) {
                return finish(ended);
            }
        }
    }
    fields_.clear();
    return false;
}

// The row ends at `at` with a line end of `lineEnd` bytes, unless it is too long already.
CsvReader::Scan CsvReader::rowAt(const char* at, std::size_t lineEnd, RowEnd& rowEnd) {
    rowEnd = {static_cast<std::size_t>(at - buffer_.begin()), lineEnd};
    return rowEnd.bytes > kLongestRow ? Scan::TooLong : Scan::Row;
}

// Counts the line ends in quoted text from `from` to `to`: an LF, a CRLF or a lone CR each.
void CsvReader::countLines(const char* from, const char* to) {
    for (const char* at = from; at != to; ++at) {
        linesInRow_ += *at == '\r' || (*at == '\n' && !afterCr_) ? 1 : 0;
        afterCr_ = *at == '\r';
    }
}

// Where the buffer runs out short of the row's end. The row's bytes so far are all in the
// buffer, so one limit holds however the input arrives.
CsvReader::Scan CsvReader::stop(const char* at) {
    resume_ = static_cast<std::size_t>(at - buffer_.begin());
    return static_cast<std::size_t>(buffer_.end() - buffer_.begin()) > kLongestRow ? Scan::TooLong
                                                                                   : Scan::NeedMore;
}

// At the end of the input: whether the row's quoted text never closed. A quote that ends the
// input closes it.
bool CsvReader::quoteLeftOpen() const {
    return state_ == State::Quoted && buffer_.begin() + resume_ + 1 != buffer_.end();
}

// At the end of the input: whether the last row ends in a lone CR, outside quotes.
bool CsvReader::crEndsInput() const {
    return state_ == State::Unquoted && buffer_.begin() + resume_ + 1 == buffer_.end() &&
           buffer_.begin()[resume_] == '\r';
}

CsvRow CsvReader::take(RowEnd end) {
    const char* start = buffer_.begin();
    const CsvRow row{{start, end.bytes}, {start + end.bytes, end.lineEnd}, line_};
    line_ += linesInRow_ + (end.lineEnd > 0 ? 1 : 0);
    rowStart_ = start;
    buffer_.consume(start + end.bytes + end.lineEnd);
    state_ = State::FieldStart;
    resume_ = 0;
    openField_ = 0;
    linesInRow_ = 0;
    afterCr_ = false;
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
                     notCsv_};
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

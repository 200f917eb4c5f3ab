#include "cli/value_reader.h"

#include <algorithm>

namespace tarnvale::cli {
namespace {

bool isSeparator(char c) {
    return c == ' ' || c == ',' || c == '\n' || c == '\r' || c == '\t' || c == '\v' || c == '\f';
}

}  // namespace

// Moves past separators (and the rest of an overlong value handed out), counting lines; false
// at the end of the input.
bool ValueReader::skipSeparators() {
    for (;;) {
        const char* at = buffer_.begin();
        if (inOverlong_) {
            at = std::find_if(at, buffer_.end(), isSeparator);
            inOverlong_ = at == buffer_.end();
        }
        for (; at != buffer_.end() && isSeparator(*at); ++at) {
            line_ += *at == '\n' ? 1 : 0;
        }
        buffer_.consume(at);
        if (at != buffer_.end()) {
            return true;
        }
        if (!buffer_.readMore()) {
            return false;
        }
    }
}

std::optional<InputValue> ValueReader::next() {
    if (!skipSeparators()) {
        return std::nullopt;
    }
    std::size_t length = 0;
    for (;;) {
        const char* start = buffer_.begin();
        const char* end = std::find_if(start + length, buffer_.end(), isSeparator);
        length = static_cast<std::size_t>(end - start);
        if (length > kLongestValue) {
            return overlong(line_);
        }
        if (end != buffer_.end()) {
            buffer_.consume(end);
            return InputValue{{start, length}, line_};
        }
        if (!buffer_.readMore()) {
            // The last value of an input without a final separator: all that is left.
            const char* last = buffer_.begin();
            buffer_.consume(buffer_.end());
            return InputValue{{last, length}, line_};
        }
    }
}

// Keeps the first bytes of a value too long to be a number; the rest is skipped later.
InputValue ValueReader::overlong(std::size_t line) {
    overlong_.assign(buffer_.begin(), kLongestValue);
    overlong_ += "...";
    buffer_.consume(buffer_.begin() + kLongestValue);
    inOverlong_ = true;
    return {overlong_, line};
}

}  // namespace tarnvale::cli

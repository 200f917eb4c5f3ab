#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cli/input.h"

namespace tarnvale::cli {

// A value read from an input, and the line it stands on, from 1.
struct InputValue {
    std::string_view text;
    std::size_t line;
};

// Splits an input into values at whitespace, commas and line ends, skipping empty ones, as it
// arrives: a value is handed out as soon as the separator after it is read.
class ValueReader {
  public:
    // A value is no number past this many bytes; a longer one is handed out as its first
    // kLongestValue bytes and "..." as soon as they are read, and the rest of it is skipped, so
    // memory stays flat and an endless value is said at once.
    static constexpr std::size_t kLongestValue = 4096;

    ValueReader(Input& input, std::function<void()> beforeRead)
        : buffer_(input, std::move(beforeRead)) {}

    // The next value, or nullopt at the end of the input; its text lasts until the next call.
    std::optional<InputValue> next();

  private:
    bool skipSeparators();
    InputValue overlong(std::size_t line);

    InputBuffer buffer_;
    std::size_t line_ = 1;
    std::string overlong_;
    bool inOverlong_ = false;  // the rest of an overlong value is still to be skipped
};

}  // namespace tarnvale::cli

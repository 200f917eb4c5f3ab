#pragma once

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/input_text.h"

namespace tarnvale::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitBadInput = 2;

// The tool's messages, each one line on standard error that begins "tarnvale-cli: ", and the
// exit status they come to: bad input outweighs a failure, which outweighs success.
class Diagnostics {
  public:
    using LineWriter = std::function<void(std::string_view line)>;

    explicit Diagnostics(LineWriter write) : write_(std::move(write)) {}

    void badInput(std::string_view message) { say(message, kExitBadInput); }
    void failure(std::string_view message) { say(message, kExitFailure); }
    // A question that found nothing, as grep's: said, and status 1 unless worse.
    void nothingFound(std::string_view message) { say(message, kExitFailure); }

    // The reading's value, or its problem said as bad input.
    template <typename T>
    std::optional<T> accept(Reading<T> reading) {
        if (!reading.value) {
            badInput(reading.problem);
        }
        return std::move(reading.value);
    }

    int status() const { return status_; }

  private:
    void say(std::string_view message, int status) {
        std::string line = "tarnvale-cli: ";
        line += message;
        line += '\n';
        write_(line);
        status_ = std::max(status_, status);
    }

    LineWriter write_;
    int status_ = kExitOk;
};

}  // namespace tarnvale::cli

#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "engine/input_text.h"
#include "engine/number_text.h"
#include "report/sink.h"

namespace tarnvale::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitBadInput = 2;

// The tool's messages, each one line on standard error that begins "tarnvale-cli: ", and the
// exit status they come to: bad input outweighs a failure or a warning, which outweigh success.
class Diagnostics {
  public:
    explicit Diagnostics(report::Sink& err) : err_(err) {}

    void badInput(std::string_view message) { say(message, kExitBadInput); }
    void failure(std::string_view message) { say(message, kExitFailure); }
    // A question that found nothing, as grep's, or a row left as it was: said, and status 1.
    void warning(std::string_view message) { say(message, kExitFailure); }

    // The reading's value, or its problem said as bad input.
    template <typename T>
    std::optional<T> accept(Reading<T> reading) {
        if (!reading.value) {
            badInput(reading.problem);
        }
        return std::move(reading.value);
    }

    // Messages name this line of the input ("line 12: ..."), until it is set back to 0.
    void atLine(std::size_t line) { line_ = line; }
    // Hands the messages said so far on. Where standard error cannot take them, nowhere is left
    // to say so: the exit status still tells.
    void flush() {
        try {
            err_.flush();
        } catch (const report::WriteError&) {
        }
    }

    int status() const { return status_; }

  private:
    void say(std::string_view message, int status) {
        std::string line = "tarnvale-cli: ";
        if (line_ != 0) {
            line += "line ";
            appendInteger(line, static_cast<long long>(line_));
            line += ": ";
        }
        line += message;
        line += '\n';
        err_.write(line);
        if (err_.pending() >= kMessageBlockBytes) {
            flush();
        }
        status_ = std::max(status_, status);
    }

    static constexpr std::size_t kMessageBlockBytes = std::size_t{64} * 1024;

    report::Sink& err_;
    std::size_t line_ = 0;
    int status_ = kExitOk;
};

}  // namespace tarnvale::cli

#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/diagnostics.h"
#include "cli/input.h"
#include "report/sink.h"
#include "report/table_writer.h"

// A command of the tool, described once: its help, its argument counts and what its options
// take all come from its record.
namespace tarnvale::cli {

// An option of a command: a flag that takes a value, or a flag alone (no valueName).
struct Option {
    std::string_view flag;            // "--tolerance-khz"
    std::string_view valueName = {};  // "K"; empty for a flag that takes no value
    std::string_view help = {};
    std::string_view whenMissing = {};  // the message for a flag given without its value
};

// A positional argument, as the usage names it.
struct Argument {
    std::string_view name;  // "CHANNEL"
    std::string_view help;
    bool optional = false;
    bool repeats = false;        // CHANNEL...: one or more, or none where optional
    bool standardInput = false;  // a lone "-" in its place reads the values from standard input
};

struct Command;

// Rows of another kind that an option asks for: the words that bring them in, and their columns.
struct OtherRows {
    std::string_view intro;  // "With --band, the band's GSCNs ..., with the columns"
    std::span<const std::string_view> columns;
};

// One command line, parsed.
struct Request {
    const Command* command = nullptr;
    std::vector<std::string> arguments;              // in the order given
    std::map<std::string_view, std::string> values;  // by flag; "" for a flag without a value
    report::OutputStyle style;
    Input* input = nullptr;  // standard input

    // The value given to the option, or nullopt where the option was not given.
    std::optional<std::string> value(const Option& option) const {
        const auto found = values.find(option.flag);
        return found != values.end() ? std::optional(found->second) : std::nullopt;
    }
    bool given(const Option& option) const { return values.contains(option.flag); }
};

struct Command {
    std::string_view name;
    std::string_view summary;
    std::span<const Argument> arguments;
    std::string_view whenTooFew = {};  // the message for too few arguments
    std::span<const Option* const> options = {};
    std::string_view details = {};  // what the command does and its columns hold
    std::span<const std::string_view> columns = {};
    // The command's other row kinds (gscn --band), named after `details`.
    std::span<const OtherRows> otherRows = {};
    std::string_view example = {};
    // Runs the command: rows go to `out`, messages to `diagnostics`.
    void (*run)(const Request& request, report::Sink& out, Diagnostics& diagnostics) = nullptr;
};

// The arguments as a usage line writes them: "FORMAT BAND CHANNEL...", "[FORMAT [BAND]]".
std::string usageOf(const Command& command);
std::size_t fewestArguments(const Command& command);
// SIZE_MAX where the last argument repeats.
std::size_t mostArguments(const Command& command);

// Every command, in the order the help lists them.
std::span<const Command* const> commandTable();

}  // namespace tarnvale::cli

#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "report/sink.h"
#include "report/table_writer.h"

namespace tarnvale::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitBadInput = 2;

// One command line, parsed.
struct Request {
    std::vector<std::string> arguments;  // in the order given
    std::optional<std::string> toleranceKhz;
    std::optional<std::string> format;
    std::optional<std::string> band;
    report::OutputStyle style;
};

// An option that takes a value.
struct ValueOption {
    std::string_view flag;       // e.g. "--tolerance-khz"
    std::string_view valueName;  // e.g. "K"
    std::string_view help;
    std::string_view whenMissing;  // the message for a flag given without its value
    std::optional<std::string> Request::*value;
};

struct Command {
    std::string_view name;
    std::string_view usage;  // the arguments, e.g. "FORMAT BAND CHANNEL..."
    std::string_view summary;
    std::string_view details;  // what the columns hold, for the command's own help
    std::size_t minArguments;
    std::size_t maxArguments;
    std::string_view whenTooFew;  // the message for too few arguments
    std::span<const ValueOption> options;
    std::span<const report::Column> columns;
    std::string_view example;
    // Runs the command; standard output goes to `out`, messages to `err`; returns the status.
    int (*run)(const Request& request, report::Sink& out, std::string& err);
};

// Every command, in the order the help lists them.
std::span<const Command> commandTable();

int bandsCommand(const Request& request, report::Sink& out, std::string& err);
int planCommand(const Request& request, report::Sink& out, std::string& err);
int convertCommand(const Request& request, report::Sink& out, std::string& err);
int tableCommand(const Request& request, report::Sink& out, std::string& err);
int lookupCommand(const Request& request, report::Sink& out, std::string& err);
int findCommand(const Request& request, report::Sink& out, std::string& err);
int gscnCommand(const Request& request, report::Sink& out, std::string& err);

}  // namespace tarnvale::cli

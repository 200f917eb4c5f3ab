#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/diagnostics.h"
#include "cli/input.h"
#include "report/sink.h"
#include "report/table_writer.h"

namespace tarnvale::cli {

// One command line, parsed.
struct Request {
    std::vector<std::string> arguments;  // in the order given
    std::optional<std::string> toleranceKhz;
    std::optional<std::string> format;
    std::optional<std::string> band;
    std::optional<std::string> bandwidth;
    std::optional<std::string> scs;
    std::optional<std::string> offsetToCarrier;
    std::optional<std::string> column;
    std::optional<std::string> direction;
    report::OutputStyle style;
    Input* input = nullptr;  // standard input, where a list of values is "-"
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
    std::span<const std::string_view> columns;
    std::string_view example;
    // Runs the command: rows go to `out`, messages to `diagnostics`.
    void (*run)(const Request& request, report::Sink& out, Diagnostics& diagnostics);
    // The columns of the command's other row kind, named at the end of `details` (gscn --band).
    std::span<const std::string_view> otherColumns = {};
};

// Every command, in the order the help lists them.
std::span<const Command> commandTable();

void bandsCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics);
void planCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics);
void convertCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics);
void tableCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics);
void lookupCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics);
void findCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics);
void gscnCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics);
void bandwidthsCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics);
void carrierCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics);
void ssbCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics);
void annotateCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics);

}  // namespace tarnvale::cli

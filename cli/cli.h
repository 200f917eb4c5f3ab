#pragma once

#include <span>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "report/sink.h"

namespace tarnvale::cli {

// Runs one command line (without the program name). Standard output goes to `out`, messages to
// `err`; the result is the exit status: 0 success, 1 output that could not be written, 2 bad
// input.
int run(std::span<const std::string_view> args, report::Sink& out, Diagnostics& diagnostics);
int run(std::span<const std::string_view> args, report::Sink& out, std::string& err);

}  // namespace tarnvale::cli

#pragma once

#include <span>
#include <string>
#include <string_view>

#include "cli/command.h"
#include "report/sink.h"

namespace tarnvale::cli {

// Runs one command line (without the program name). A list of values given as "-" and annotate
// read `input`; standard output goes to `out`, messages to `diagnostics`. The result is the exit
// status: 0 success; 1 nothing found, a row left unannotated or output that could not be
// written; 2 bad input.
int run(std::span<const std::string_view> args, Input& input, report::Sink& out,
        Diagnostics& diagnostics);
// The same with `standardInput` as the input and the messages collected in `err`.
int run(std::span<const std::string_view> args, report::Sink& out, std::string& err,
        std::string standardInput = {});

}  // namespace tarnvale::cli

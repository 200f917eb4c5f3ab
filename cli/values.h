#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "cli/command.h"

namespace tarnvale::cli {

// Calls visit(value) for each value of a command's list, in order: its arguments from `first`
// on, or, where they are a lone "-" and the command's last argument says so, the values on
// standard input (separated by whitespace,
// commas or line ends). Messages said about an input value name its line. Before waiting for
// more input, what was written so far is handed on, so answers keep pace with the producer.
void forEachValue(const Request& request, std::size_t first, report::Sink& out,
                  Diagnostics& diagnostics, const std::function<void(std::string_view)>& visit);

}  // namespace tarnvale::cli

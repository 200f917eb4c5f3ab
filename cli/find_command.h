#pragma once

#include "cli/commands.h"

namespace tarnvale::cli {

// find FREQUENCY_MHZ [--tolerance-khz K]: every carrier of every band near a frequency.
int findCommand(Args args, std::string& out, std::string& err);

}  // namespace tarnvale::cli

#pragma once

#include "cli/command.h"

// The commands, one file each in cli/commands/; command_table.cpp lists them for the help.
namespace tarnvale::cli::commands {

extern const Command bands;
extern const Command plan;
extern const Command convert;
extern const Command table;
extern const Command lookup;
extern const Command find;
extern const Command gscn;
extern const Command bandwidths;
extern const Command carrier;
extern const Command ssb;
extern const Command coreset0;
extern const Command config;
extern const Command check;
extern const Command ca;
extern const Command annotate;

}  // namespace tarnvale::cli::commands

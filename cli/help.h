#pragma once

#include <string>

#include "cli/command.h"

// The tool's help texts, made from the command records and wrapped at 80 columns.
namespace tarnvale::cli {

std::string programHelp();
std::string commandHelp(const Command& command);
std::string versionText();

}  // namespace tarnvale::cli

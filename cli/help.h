#pragma once

#include <string>

#include "cli/command.h"

// The tool's help texts, made from the command records and wrapped at 80 columns.
namespace tarnvale::cli {

std::string programHelp();
std::string commandHelp(const Command& command);

// How a help text names a command's parts: as the command line writes them, or as a caller from
// another language does (Python's keyword arguments).
struct HelpNames {
    std::string usage;  // the first line
    std::string (*argument)(const Argument& argument);
    std::string (*option)(const Option& option);
    std::string example;
    bool programOptions;  // --help, --json and the other options every command takes
    bool standardInput;   // whether "-" reads values from standard input
    std::string_view optionsTitle;
};

std::string commandHelp(const Command& command, const HelpNames& names);
std::string versionText();

}  // namespace tarnvale::cli

#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/config_check.h"

// The cells of an OpenAirInterface gNB configuration file (libconfig syntax), for the command
// line's check and the Check Configuration window.
namespace tarnvale {

// A file that cannot be read, or is no gNB configuration; the message says which and why.
class ConfigFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A cell of the file: its name, its fields where the file gives a band Tarnvale knows, and what
// the file lacks or says twice over for it.
struct OaiCell {
    std::string name;  // the gNB's gNB_name, with the cell's place where it has several
    std::optional<GivenCell> fields;
    std::vector<ConfigProblem> problems;
};

// Every servingCellConfigCommon of every gNBs entry, in the file's order; an @include is read
// from the file's own folder. A file that cannot be read or is no gNB configuration throws
// ReadError with the reason.
std::vector<OaiCell> readOaiConfig(const std::string& path);

}  // namespace tarnvale

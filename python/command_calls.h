#pragma once

#include <pybind11/pybind11.h>

#include <stdexcept>
#include <string>

#include "cli/command.h"

// The command-line commands as Python functions: positional arguments are the command's
// arguments, keyword arguments its options, and the rows come back as dicts.
namespace tarnvale::python {

// Bad input, with the command line's message; Python sees tarnvale.Error.
class Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The command's rows: a list of dicts keyed by its column names. What the command line refuses
// as bad input raises Error; nothing found is an empty list.
pybind11::list callCommand(const cli::Command& command, const pybind11::args& args,
                           const pybind11::kwargs& kwargs);

// The command's help, as the docstring of its Python function.
std::string docstringOf(const cli::Command& command);

}  // namespace tarnvale::python

#pragma once

#include <pybind11/pybind11.h>

#include <string_view>

// Rows the command-line commands write as JSON Lines, turned into Python values.
namespace tarnvale::python {

// One dict a line, keyed by column name: a number with a decimal point becomes a float of the
// digits written, a whole number an int, a text a str, null and an empty text None.
pybind11::list rowsOf(std::string_view jsonLines);

}  // namespace tarnvale::python

#pragma once

#include <pybind11/pybind11.h>

#include <string_view>

// Frequencies of whole arrays of channel numbers, written into an array the caller made.
namespace tarnvale::python {

// `numbers` holds int64 values, `mhz` room for as many float64 ones (any buffer: a NumPy array,
// an array.array): each number's carrier in the first band of the format that holds it.
void lookupMany(std::string_view format, const pybind11::buffer& numbers,
                const pybind11::buffer& mhz);

// The same in one band.
void frequencies(std::string_view format, std::string_view band, const pybind11::buffer& numbers,
                 const pybind11::buffer& mhz);

}  // namespace tarnvale::python

#pragma once

#include <pybind11/pybind11.h>

// The LTE and NR bands' table rows, for the functions that answer as other Python packages do.
namespace tarnvale::python {

// One dict a band: format, name, duplex, the edges of each direction in kHz, the first and last
// channel number of each direction (None where a band has none) and the first and last GSCN of
// each entry of its synchronisation raster.
pybind11::list bandFacts();

}  // namespace tarnvale::python

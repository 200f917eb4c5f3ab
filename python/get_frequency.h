#pragma once

#include <pybind11/pybind11.h>

// nrarfcn's get_frequency, the function scripts call once a number in their loops.
namespace tarnvale::python {

// tarnvale.Error, once the module has made it.
inline PyObject* errorType = nullptr;

// get_frequency(nrarfcn, release_3gpp=None) as a plain CPython function of the module: without
// pybind11's dispatch a call costs a third as much.
pybind11::object getFrequencyFunction(const pybind11::module_& module);

}  // namespace tarnvale::python

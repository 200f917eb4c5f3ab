#include "python/get_frequency.h"

#include <string_view>

#include "engine/nr_raster.h"

namespace tarnvale::python {
namespace {

PyObject* failure(const char* message) {
    PyErr_SetString(errorType, message);
    return nullptr;
}

// The NR-ARFCN may come by position or as nrarfcn=; release_3gpp is accepted and ignored, as the
// tables are the newest release's.
PyObject* getFrequency(PyObject* /*module*/, PyObject* const* args, Py_ssize_t count,
                       PyObject* keywords) {
    PyObject* number = count > 0 ? args[0] : nullptr;
    const Py_ssize_t given = keywords != nullptr ? PyTuple_GET_SIZE(keywords) : 0;
    for (Py_ssize_t i = 0; i < given; ++i) {
        const std::string_view name = PyUnicode_AsUTF8(PyTuple_GET_ITEM(keywords, i));
        if (name == "nrarfcn" && number == nullptr) {
            number = args[count + i];
        } else if (name != "release_3gpp") {
            PyErr_Format(PyExc_TypeError, "get_frequency() got an unexpected keyword argument '%s'",
                         name.data());
            return nullptr;
        }
    }
    if (number == nullptr || count > 2) {
        PyErr_SetString(PyExc_TypeError, "get_frequency() takes an NR-ARFCN");
        return nullptr;
    }
    if (!PyLong_Check(number) || PyBool_Check(number)) {
        return failure("NR-ARFCN must be an integer.");
    }
    int overflow = 0;
    const long long n = PyLong_AsLongLongAndOverflow(number, &overflow);
    if (overflow != 0 || n < 0 || n > kLastNrArfcn) {
        return failure("NR-ARFCN must be between 0 and 3,279,165.");
    }
    return PyFloat_FromDouble(static_cast<double>(nrArfcnKhz(static_cast<Channel>(n))) / 1000.0);
}

PyMethodDef kDefinition = {
    "get_frequency", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(getFrequency)),
    METH_FASTCALL | METH_KEYWORDS,
    "get_frequency(nrarfcn, release_3gpp=None) -> float\n\n"
    "The frequency in MHz of an NR-ARFCN on the global raster (TS 38.104 Table 5.4.2.1-1).\n"
    "release_3gpp is accepted and ignored: the tables are those of the newest release.\n\n"
    "Example: get_frequency(641280) gives 3619.2"};

}  // namespace

pybind11::object getFrequencyFunction(const pybind11::module_& module) {
    return pybind11::reinterpret_steal<pybind11::object>(
        PyCFunction_NewEx(&kDefinition, nullptr, module.attr("__name__").ptr()));
}

}  // namespace tarnvale::python

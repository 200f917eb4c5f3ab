#include <pybind11/pybind11.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/command.h"
#include "engine/number_index.h"
#include "engine/version.h"
#include "python/arrays.h"
#include "python/band_facts.h"
#include "python/command_calls.h"
#include "python/get_frequency.h"

namespace py = pybind11;
using namespace tarnvale;

PYBIND11_MODULE(_tarnvale, module) {
    module.doc() = "The native part of tarnvale: the command-line commands as functions.";
    // The docstrings carry a signature of their own, as the command line's help has its usage.
    py::options options;
    options.disable_function_signatures();
    // A ValueError, so that code written for other packages' ValueErrors catches it too.
    python::errorType =
        py::register_exception<python::Error>(module, "Error", PyExc_ValueError).ptr();
    module.attr("__version__") = std::string(kVersion);

    for (const auto* command : cli::commandTable()) {
        // annotate writes its input back rather than rows of its own: lookup_many answers logs.
        if (command->name == "annotate") {
            continue;
        }
        module.def(
            std::string(command->name).c_str(),
            [command](const py::args& args, const py::kwargs& kwargs) {
                return python::callCommand(*command, args, kwargs);
            },
            python::docstringOf(*command).c_str());
    }
    module.def("_lookup_many", &python::lookupMany);
    module.def("_frequencies", &python::frequencies);
    module.def("_band_facts", &python::bandFacts);
    module.def("_first_carrier_mhz", [](std::string_view format, std::int64_t number) {
        return firstCarrierMhz(*findFormat(format), number);
    });
    module.add_object("_nr_arfcn_mhz", python::getFrequencyFunction(module));
}

#include "python/band_facts.h"

#include <algorithm>

#include "engine/band_table.h"

namespace tarnvale::python {
namespace py = pybind11;
namespace {

py::object span(std::int64_t low, std::int64_t high) {
    return low == 0 && high == 0 ? py::object(py::none()) : py::object(py::make_tuple(low, high));
}

py::object numbers(const CarrierRuns& runs) {
    if (runs.empty()) {
        return py::none();
    }
    Channel first = runs.front().numbers.first;
    Channel last = runs.front().numbers.last;
    for (const auto& run : runs) {
        first = std::min(first, run.numbers.first);
        last = std::max(last, run.numbers.last);
    }
    return py::make_tuple(first, last);
}

py::list gscns(const ArfcnPlan& plan) {
    py::list ranges;
    for (const auto& range : plan.gscn) {
        ranges.append(py::make_tuple(range.gscn.first, range.gscn.last));
    }
    return ranges;
}

}  // namespace

py::list bandFacts() {
    py::list facts;
    for (const Format format : {Format::Lte, Format::Nr}) {
        for (const BandRef band : bandsOf(format)) {
            const auto& plan = *band.plan<ArfcnPlan>();
            const auto& e = plan.edges;
            py::dict row;
            row["format"] = band.formatName();
            row["name"] = band.name();
            row["duplex"] = duplexName(plan.duplex);
            row["dl_khz"] = span(e.downlinkLowKhz, e.downlinkHighKhz);
            row["ul_khz"] = span(e.uplinkLowKhz, e.uplinkHighKhz);
            row["dl_numbers"] = numbers(plan.downlink);
            row["ul_numbers"] = numbers(plan.uplink);
            row["gscns"] = gscns(plan);
            facts.append(row);
        }
    }
    return facts;
}

}  // namespace tarnvale::python

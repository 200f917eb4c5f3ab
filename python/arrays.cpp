#include "python/arrays.h"

#include <cstdint>
#include <span>

#include "engine/band_names.h"
#include "engine/number_index.h"
#include "python/command_calls.h"

namespace tarnvale::python {
namespace py = pybind11;
namespace {

template <typename T>
std::span<T> elementsOf(const py::buffer& buffer, std::string_view what) {
    const auto info = buffer.request(std::is_same_v<T, double>);
    if (info.itemsize != sizeof(T) || info.ndim != 1 || info.strides[0] != sizeof(T)) {
        throw Error(std::string(what) + " must be a one-dimensional array of " +
                    (std::is_same_v<T, double> ? "float64" : "int64"));
    }
    return {static_cast<T*>(info.ptr), static_cast<std::size_t>(info.shape[0])};
}

template <typename Each>
void fill(const py::buffer& numbers, const py::buffer& mhz, Each each) {
    const auto in = elementsOf<const std::int64_t>(numbers, "numbers");
    const auto out = elementsOf<double>(mhz, "the output");
    if (out.size() != in.size()) {
        throw Error("the output must have one place for each number");
    }
    py::gil_scoped_release unlocked;
    for (std::size_t i = 0; i < in.size(); ++i) {
        out[i] = each(in[i]);
    }
}

template <typename T>
T accepted(Reading<T> reading) {
    if (!reading.value) {
        throw Error(reading.problem);
    }
    return *reading.value;
}

}  // namespace

void lookupMany(std::string_view format, const py::buffer& numbers, const py::buffer& mhz) {
    const auto& index = NumberIndex::of(accepted(resolveFormat(format)));
    fill(numbers, mhz, [&index](std::int64_t number) { return index.mhz(number); });
}

void frequencies(std::string_view format, std::string_view band, const py::buffer& numbers,
                 const py::buffer& mhz) {
    const BandRef found = accepted(resolveBand(format, band));
    fill(numbers, mhz, [found](std::int64_t number) { return carrierMhz(found, number); });
}

}  // namespace tarnvale::python

#include "engine/band_table.h"

#include <algorithm>

#include "engine/bands/classic_bands.h"
#include "engine/bands/lte_bands.h"
#include "engine/bands/nr_bands.h"
#include "engine/bands/umts_bands.h"

namespace tarnvale {
namespace {

template <std::size_t... Sizes>
constexpr auto concatenate(const std::array<Band, Sizes>&... parts) {
    std::array<Band, (Sizes + ...)> all{};
    auto next = all.begin();
    ((next = std::ranges::copy(parts, next).out), ...);
    return all;
}

constexpr auto kBands =
    concatenate(bands::kClassicBands, bands::kLteBands, bands::kNrBands, bands::kUmtsBands);

constexpr bool groupedInFormatOrder() {
    return std::ranges::is_sorted(kBands, {}, &Band::format);
}
static_assert(groupedInFormatOrder(), "bands are grouped by format in catalogue order");

}  // namespace

std::span<const Band> bandTable() {
    return kBands;
}

std::span<const Band> bandsOf(Format format) {
    const auto first = std::ranges::find(kBands, format, &Band::format);
    const auto last = std::find_if(first, kBands.end(),
                                   [format](const Band& band) { return band.format != format; });
    return {first, last};
}

}  // namespace tarnvale

#include "engine/band_table.h"

#include <algorithm>
#include <utility>

#include "engine/bands/classic_bands.h"
#include "engine/bands/lte_bands.h"
#include "engine/bands/nr_bands.h"
#include "engine/bands/umts_bands.h"

namespace tarnvale {

// Makes the references to the table's rows, the only BandRefs there are.
struct BandTableRows {
    template <std::size_t N, std::size_t... I>
    static constexpr std::array<BandRef, N> refer(const std::array<Band, N>& bands,
                                                  std::index_sequence<I...>) {
        return {BandRef(bands[I])...};
    }
};

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

static_assert(std::ranges::is_sorted(kBands, {}, &Band::format),
              "bands are grouped by format in catalogue order");
static_assert(std::ranges::all_of(kBands,
                                  [](const Band& band) {
                                      return isClassic(band.format) ==
                                             std::holds_alternative<ClassicPlan>(band.plan);
                                  }),
              "a classic format's bands have classic plans, the others ARFCN plans");

constexpr auto kRows = BandTableRows::refer(kBands, std::make_index_sequence<kBands.size()>());

}  // namespace

std::span<const BandRef> bandTable() {
    return kRows;
}

std::span<const BandRef> bandsOf(Format format) {
    const auto first = std::ranges::find(kRows, format, &BandRef::format);
    const auto last = std::find_if(first, kRows.end(),
                                   [format](BandRef band) { return band.format() != format; });
    return {first, last};
}

}  // namespace tarnvale

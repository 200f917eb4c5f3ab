#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "engine/band.h"

namespace tarnvale {

// A row of the band table. Only the table hands them out (bandTable(), bandsOf(), findBand()),
// so every BandRef is a band of the catalogue; it is handed to every engine call.
class BandRef {
  public:
    const Band& operator*() const { return *band_; }
    const Band* operator->() const { return band_; }
    Format format() const { return band_->format; }
    std::string_view formatName() const { return tarnvale::formatName(band_->format); }
    std::string_view name() const { return band_->name; }
    // The band's place in the catalogue: the order of bands, of formats and within them.
    std::size_t catalogueIndex() const;

    // The band's plan of that kind, or nullptr: a classic band has a ClassicPlan, a 3GPP band an
    // ArfcnPlan.
    template <typename Plan>
    const Plan* plan() const {
        return std::get_if<Plan>(&band_->plan);
    }
    // visit(plan) with the band's plan, whichever kind it is: the one branch on it.
    template <typename Visit>
    decltype(auto) visitPlan(Visit&& visit) const {
        return std::visit(std::forward<Visit>(visit), band_->plan);
    }
    // Every classic band pairs a forward with a reverse carrier: FDD.
    Duplex duplex() const;

    bool operator==(const BandRef&) const = default;

  private:
    friend struct BandTableRows;
    constexpr explicit BandRef(const Band& band) : band_(&band) {}

    const Band* band_;
};

// The band as messages name it: its format and name, "LTE Band 3", "NR n78".
std::string fullName(BandRef band);

std::optional<BandRef> findBand(Format format, std::string_view name,
                                NameMatch match = NameMatch::Exact);
std::optional<BandRef> findBand(std::string_view format, std::string_view name,
                                NameMatch match = NameMatch::Exact);

}  // namespace tarnvale

#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "engine/band.h"

namespace tarnvale {

// A band of the band table. It is found once, by format and band name, and then handed to
// every engine call; it always refers to a row of the table.
class BandRef {
  public:
    explicit BandRef(const Band& band) : band_(&band) {}

    const Band& operator*() const { return *band_; }
    const Band* operator->() const { return band_; }
    Format format() const { return band_->format; }
    std::string_view formatName() const { return tarnvale::formatName(band_->format); }
    std::string_view name() const { return band_->name; }
    // The band's place in the catalogue: the order of bands, of formats and within them.
    std::size_t catalogueIndex() const;

    bool isClassic() const { return tarnvale::isClassic(band_->format); }
    // The plan of a classic band (isClassic()), or of a 3GPP band (!isClassic()).
    const ClassicPlan& classic() const { return std::get<ClassicPlan>(band_->plan); }
    const CarrierPlan& carriers() const { return std::get<CarrierPlan>(band_->plan); }
    // Every classic band pairs a forward with a reverse carrier: FDD.
    Duplex duplex() const { return isClassic() ? Duplex::Fdd : carriers().duplex; }

    bool operator==(const BandRef&) const = default;

  private:
    const Band* band_;
};

std::optional<BandRef> findBand(Format format, std::string_view name,
                                NameMatch match = NameMatch::Exact);
std::optional<BandRef> findBand(std::string_view format, std::string_view name,
                                NameMatch match = NameMatch::Exact);

}  // namespace tarnvale

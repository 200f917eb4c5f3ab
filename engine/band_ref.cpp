#include "engine/band_ref.h"

#include "engine/band_table.h"

namespace tarnvale {

std::size_t BandRef::catalogueIndex() const {
    return static_cast<std::size_t>(band_ - &*bandTable().front());
}

Duplex BandRef::duplex() const {
    if (const auto* arfcns = plan<ArfcnPlan>()) {
        return arfcns->duplex;
    }
    return Duplex::Fdd;
}

std::string fullName(BandRef band) {
    std::string name(band.formatName());
    name.append(" ").append(band.name());
    return name;
}

std::optional<BandRef> findBand(Format format, std::string_view name, NameMatch match) {
    for (const BandRef band : bandsOf(format)) {
        if (namesMatch(band.name(), name, match)) {
            return band;
        }
    }
    return std::nullopt;
}

std::optional<BandRef> findBand(std::string_view format, std::string_view name, NameMatch match) {
    const auto found = findFormat(format, match);
    return found ? findBand(*found, name, match) : std::nullopt;
}

}  // namespace tarnvale

#include "cli/carrier_reading.h"
#include "engine/input_text.h"

#include <cmath>

#include "cli/options.h"
#include "engine/band_names.h"
#include "engine/number_text.h"

namespace tarnvale::cli {
Reading<std::int32_t> readBandwidth(const std::optional<std::string>& text) {
    const auto mhz = text ? parseNumber(trimmed(*text), ".") : std::nullopt;
    const double khz = mhz ? *mhz * 1000 : -1;
    if (!mhz || khz <= 0 || khz > 1e7 || khz != std::round(khz)) {
        return {std::nullopt, text ? inQuotes(trimmed(*text)) +
                                         " is not a channel bandwidth in MHz (a number such "
                                         "as 20 or 1.4)"
                                   : std::string("a carrier needs --bandwidth MHZ, its channel "
                                                 "bandwidth")};
    }
    return {static_cast<std::int32_t>(khz), {}};
}

Reading<std::int32_t> readCount(const std::optional<std::string>& text, std::string_view what) {
    const auto value = text ? parseChannel(trimmed(*text)) : std::nullopt;
    if (!value || *value < 0) {
        return {std::nullopt,
                inQuotes(trimmed(text.value_or(""))) + " is not " + std::string(what)};
    }
    return {value, {}};
}

std::optional<BandRef> readBand(const Request& request, Diagnostics& diagnostics) {
    return diagnostics.accept(resolveBand(request.arguments[0], request.arguments[1]));
}

std::optional<CarrierShape> readCarrierShape(const Request& request, BandRef band,
                                             Diagnostics& diagnostics) {
    // A UMTS carrier is 5 MHz wide: --bandwidth may say so, and need not.
    const bool umts = band.format() == Format::Umts && !request.given(kBandwidthOption);
    const auto bandwidth = umts
                               ? std::optional<std::int32_t>(kUmtsBandwidthKhz)
                               : diagnostics.accept(readBandwidth(request.value(kBandwidthOption)));
    std::optional<std::int32_t> scs;
    if (request.given(kScsOption) &&
        !(scs = diagnostics.accept(
              readCount(request.value(kScsOption), "a subcarrier spacing in kHz (such as 30)")))) {
        return std::nullopt;
    }
    std::int32_t offset = 0;
    if (request.given(kOffsetToCarrierOption)) {
        const auto read = diagnostics.accept(readCount(request.value(kOffsetToCarrierOption),
                                                       "an offset to carrier in resource blocks"));
        if (!read) {
            return std::nullopt;
        }
        offset = *read;
    }
    if (!bandwidth) {
        return std::nullopt;
    }
    return diagnostics.accept(carrierShape(band, *bandwidth, scs, offset));
}

}  // namespace tarnvale::cli

#include <cmath>
#include <optional>

#include "cli/carrier_options.h"
#include "cli/commands.h"
#include "cli/values.h"
#include "engine/band_names.h"
#include "engine/band_table.h"
#include "engine/number_text.h"
#include "engine/ssb.h"
#include "report/bandwidth_columns.h"
#include "report/carrier_columns.h"
#include "report/rows.h"
#include "report/ssb_columns.h"

// bandwidths, carrier and ssb: carriers with a channel bandwidth.
namespace tarnvale::cli {
namespace {

Reading<std::int32_t> readBandwidth(const std::optional<std::string>& text) {
    const auto mhz = text ? parseNumber(*text, ".") : std::nullopt;
    const double khz = mhz ? *mhz * 1000 : -1;
    if (!mhz || khz <= 0 || khz > 1e7 || khz != std::round(khz)) {
        return {std::nullopt, text ? "\"" + *text +
                                         "\" is not a channel bandwidth in MHz (a number such "
                                         "as 20 or 1.4)"
                                   : std::string("a carrier needs --bandwidth MHZ, its channel "
                                                 "bandwidth")};
    }
    return {static_cast<std::int32_t>(khz), {}};
}

// A whole number from 0 up, for what the option counts.
Reading<std::int32_t> readCount(const std::optional<std::string>& text, std::string_view what) {
    const auto value = text ? parseChannel(*text) : std::nullopt;
    if (!value || *value < 0) {
        std::string problem = "\"";
        problem += text.value_or("");
        problem += "\" is not ";
        problem += what;
        return {std::nullopt, problem};
    }
    return {value, {}};
}

std::optional<BandRef> readBand(const Request& request, Diagnostics& diagnostics) {
    return diagnostics.accept(resolveBand(request.arguments[0], request.arguments[1]));
}

}  // namespace

std::optional<CarrierShape> readCarrierShape(const Request& request, BandRef band,
                                             Diagnostics& diagnostics) {
    // A UMTS carrier is 5 MHz wide: --bandwidth may say so, and need not.
    const bool umts = band.format() == Format::Umts && !request.bandwidth;
    const auto bandwidth = umts ? std::optional<std::int32_t>(5000)
                                : diagnostics.accept(readBandwidth(request.bandwidth));
    std::optional<std::int32_t> scs;
    if (request.scs && !(scs = diagnostics.accept(
                             readCount(request.scs, "a subcarrier spacing in kHz (such as 30)")))) {
        return std::nullopt;
    }
    std::int32_t offset = 0;
    if (request.offsetToCarrier) {
        const auto read = diagnostics.accept(
            readCount(request.offsetToCarrier, "an offset to carrier in resource blocks"));
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

void bandwidthsCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto format = diagnostics.accept(resolveFormat(request.arguments[0]));
    if (!format) {
        return;
    }
    std::span<const BandRef> bands = bandsOf(*format);
    std::optional<BandRef> one;
    if (request.arguments.size() == 2) {
        if (!(one = diagnostics.accept(resolveBand(*format, request.arguments[1])))) {
            return;
        }
        bands = {&*one, 1};
    }
    if (isClassic(*format)) {
        diagnostics.badInput(std::string(formatName(*format)) +
                             " carriers have no channel bandwidths: bandwidths is for LTE, NR "
                             "and UMTS");
        return;
    }
    report::Rows<report::kBandwidthColumns> rows(out, request.style);
    for (const BandRef band : bands) {
        for (const auto& allowed : allowedBandwidths(band)) {
            rows.write(allowed);
        }
    }
    if (one && allowedBandwidths(*one).empty()) {
        diagnostics.warning(noBandwidthText(*one));
    }
}

// Carriers that are fine are printed even when others are not, as convert does.
void carrierCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto band = readBand(request, diagnostics);
    const auto shape = band ? readCarrierShape(request, *band, diagnostics) : std::nullopt;
    if (!shape) {
        return;
    }
    report::Rows<report::kCarrierColumns> rows(out, request.style);
    forEachValue(request, 2, out, diagnostics, [&](std::string_view text) {
        const auto channel = diagnostics.accept(readChannelNumber(text));
        const auto carrier =
            channel ? diagnostics.accept(carrierAt(*band, *channel, *shape)) : std::nullopt;
        if (carrier) {
            for (const auto& row : report::carrierRows(*carrier)) {
                rows.write(row);
            }
        }
    });
}

void ssbCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto format = diagnostics.accept(resolveFormat(request.arguments[0]));
    if (format && *format != Format::Nr) {
        diagnostics.badInput("ssb is for NR bands: " + std::string(formatName(*format)) +
                             " has no SS block raster");
        return;
    }
    const auto band = format ? readBand(request, diagnostics) : std::nullopt;
    const auto shape = band ? readCarrierShape(request, *band, diagnostics) : std::nullopt;
    const auto channel =
        shape ? diagnostics.accept(readChannelNumber(request.arguments[2])) : std::nullopt;
    const auto carrier =
        channel ? diagnostics.accept(carrierAt(*band, *channel, *shape)) : std::nullopt;
    if (!carrier) {
        return;
    }
    if (!carrier->downlink) {
        diagnostics.badInput(std::string(band->name()) +
                             " is a supplementary uplink band: it carries no SS blocks");
        return;
    }
    report::Rows<report::kSsbColumns> rows(out, request.style);
    for (const auto& position : ssbPositions(*carrier)) {
        rows.write(position);
    }
}

}  // namespace tarnvale::cli

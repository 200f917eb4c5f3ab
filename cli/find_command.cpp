#include <optional>

#include "cli/commands.h"
#include "engine/band_names.h"
#include "engine/carrier_search.h"
#include "engine/input_text.h"
#include "engine/number_text.h"
#include "report/find_columns.h"
#include "report/rows.h"

// find FREQUENCY_MHZ [--tolerance-khz K] [--format FORMAT].
namespace tarnvale::cli {
namespace {

Reading<double> readTolerance(const Request& request) {
    if (!request.toleranceKhz) {
        return {0.0, {}};
    }
    const auto khz = parseNumber(*request.toleranceKhz, ".");
    if (!khz) {
        return {std::nullopt,
                "\"" + *request.toleranceKhz +
                    "\" is not a tolerance in kHz (a plain decimal number such as 15)"};
    }
    if (*khz < 0) {
        return {std::nullopt, "the tolerance must not be negative"};
    }
    return {khz, {}};
}

}  // namespace

void findCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto mhz = diagnostics.accept(readFrequencyMhz(request.arguments[0], "."));
    if (!mhz) {
        return;
    }
    const auto khz = diagnostics.accept(readTolerance(request));
    if (!khz) {
        return;
    }
    std::optional<Format> format;
    if (request.format && !(format = diagnostics.accept(resolveFormat(*request.format)))) {
        return;
    }
    report::Rows<report::kFindColumns> rows(out, request.style);
    for (const auto& match : findCarriers(*mhz, *khz, format)) {
        rows.write(match);
    }
}

}  // namespace tarnvale::cli

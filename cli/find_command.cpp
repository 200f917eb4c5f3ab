#include <optional>

#include "cli/commands.h"
#include "cli/values.h"
#include "engine/band_names.h"
#include "engine/carrier_search.h"
#include "engine/input_text.h"
#include "engine/number_text.h"
#include "report/find_columns.h"
#include "report/rows.h"

// find FREQUENCY_MHZ... [--tolerance-khz K] [--format FORMAT].
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

std::string nothingNearText(const Request& request, std::optional<Format> format,
                            std::string_view frequency) {
    std::string text = "no ";
    if (format) {
        text += std::string(formatName(*format)) + " ";
    }
    return text + "carrier within " + request.toleranceKhz.value_or("0") + " kHz of " +
           std::string(frequency) + " MHz";
}

}  // namespace

// Frequencies are answered in order; one that finds nothing is said so, as grep would.
void findCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto khz = diagnostics.accept(readTolerance(request));
    if (!khz) {
        return;
    }
    std::optional<Format> format;
    if (request.format && !(format = diagnostics.accept(resolveFormat(*request.format)))) {
        return;
    }
    report::Rows<report::kFindColumns> rows(out, request.style);
    forEachValue(request, 0, out, diagnostics, [&](std::string_view text) {
        const auto mhz = diagnostics.accept(readFrequencyMhz(text, "."));
        if (!mhz) {
            return;
        }
        const auto matches = findCarriers(*mhz, *khz, format);
        if (matches.empty()) {
            diagnostics.warning(nothingNearText(request, format, text));
        }
        for (const auto& match : matches) {
            rows.write(match);
        }
    });
}

}  // namespace tarnvale::cli

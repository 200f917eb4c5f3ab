#include <optional>

#include "cli/commands.h"
#include "cli/options.h"
#include "cli/values.h"
#include "engine/band_names.h"
#include "engine/carrier_search.h"
#include "engine/input_text.h"
#include "engine/number_text.h"
#include "report/find_columns.h"
#include "report/rows.h"

namespace tarnvale::cli::commands {
namespace {

Reading<double> readTolerance(const std::optional<std::string>& text) {
    if (!text) {
        return {0.0, {}};
    }
    // Blanks around the value are no part of it, as for every value.
    const auto khz = parseNumber(trimmed(*text), ".");
    if (!khz) {
        return {std::nullopt, inQuotes(trimmed(*text)) +
                                  " is not a tolerance in kHz (a plain decimal number such as "
                                  "15)"};
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
    return text + "carrier within " +
           echoed(trimmed(request.value(kToleranceOption).value_or("0"))) + " kHz of " +
           echoed(trimmed(frequency)) + " MHz";
}

// Frequencies are answered in order; one that finds nothing is said so, as grep would.
void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto khz = diagnostics.accept(readTolerance(request.value(kToleranceOption)));
    if (!khz) {
        return;
    }
    std::optional<Format> format;
    if (const auto name = request.value(kFormatOption)) {
        if (!(format = diagnostics.accept(resolveFormat(*name)))) {
            return;
        }
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

constexpr Argument kArguments[] = {{.name = "FREQUENCY_MHZ",
                                    .help = "a frequency in MHz, e.g. 869.04",
                                    .repeats = true,
                                    .standardInput = true}};
constexpr const Option* kOptions[] = {&kToleranceOption, &kFormatOption};
constexpr auto kColumns = report::namesOf(report::kFindColumns);

}  // namespace

const Command find{
    .name = "find",
    .summary = "every carrier at or near each frequency",
    .arguments = kArguments,
    .whenTooFew = "find needs a frequency in MHz",
    .options = kOptions,
    .details =
        "Carriers are compared at four decimals, sorted by offset, then catalogue and list "
        "order; direction is forward (downlink) or reverse (uplink); a TDD channel's "
        "carrier is forward. offset_khz is the carrier minus the frequency asked for.",
    .columns = kColumns,
    .example = "tarnvale-cli find 869.05 --tolerance-khz 15",
    .run = run};

}  // namespace tarnvale::cli::commands

#include <optional>

#include "cli/band_names.h"
#include "report/carrier_rows.h"
#include "cli/commands.h"
#include "engine/carrier_search.h"
#include "engine/input_text.h"
#include "engine/number_text.h"

// find FREQUENCY_MHZ [--tolerance-khz K] [--format FORMAT].
namespace tarnvale::cli {
namespace {

std::optional<double> readFrequency(std::string_view text, std::string& err) {
    const auto reading = readFrequencyMhz(text, ".");
    if (!reading.value) {
        err += "tarnvale-cli: " + reading.problem + "\n";
    }
    return reading.value;
}

std::optional<double> readTolerance(const Request& request, std::string& err) {
    if (!request.toleranceKhz) {
        return 0.0;
    }
    const auto khz = parseNumber(*request.toleranceKhz, ".");
    if (!khz) {
        err += "tarnvale-cli: \"" + *request.toleranceKhz +
               "\" is not a tolerance in kHz (a plain decimal number such as 15)\n";
    } else if (*khz < 0) {
        err += "tarnvale-cli: the tolerance must not be negative\n";
        return std::nullopt;
    }
    return khz;
}

}  // namespace

int findCommand(const Request& request, report::Sink& out, std::string& err) {
    const auto mhz = readFrequency(request.arguments[0], err);
    if (!mhz) {
        return kExitBadInput;
    }
    const auto khz = readTolerance(request, err);
    if (!khz) {
        return kExitBadInput;
    }
    std::optional<Format> format;
    if (request.format && !(format = resolveFormat(*request.format, err))) {
        return kExitBadInput;
    }
    report::CarrierRows rows(out, request.style);
    for (const auto& match : findCarriers(*mhz, *khz, format)) {
        rows.write(match);
    }
    return kExitOk;
}

}  // namespace tarnvale::cli

#include "cli/find_command.h"

#include <optional>

#include "cli/cli.h"
#include "cli/csv.h"
#include "engine/carrier_search.h"
#include "engine/number_text.h"

namespace tarnvale::cli {
namespace {

constexpr std::string_view kDot = ".";
constexpr std::string_view kToleranceOption = "--tolerance-khz";

struct FindRequest {
    double frequencyMhz = 0;
    double toleranceKhz = 0;
};

std::optional<double> readNumber(std::string_view text, std::string_view what, std::string& err) {
    const auto value = parseNumber(text, kDot);
    if (!value) {
        err += "tarnvale-cli: \"" + std::string(text) + "\" is not a " + std::string(what) +
               " (a plain decimal number such as 869.04)\n";
    }
    return value;
}

std::optional<FindRequest> readRequest(Args args, std::string& err) {
    FindRequest request;
    std::optional<std::string_view> frequency;
    std::optional<std::string_view> tolerance;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto arg = args[i];
        if (arg == kToleranceOption && i + 1 < args.size()) {
            tolerance = args[++i];
        } else if (arg.starts_with(std::string(kToleranceOption) + "=")) {
            tolerance = arg.substr(kToleranceOption.size() + 1);
        } else if (!frequency && !(arg.starts_with("--"))) {
            frequency = arg;
        } else {
            err += "tarnvale-cli: unexpected argument \"" + std::string(arg) +
                   "\"; usage: tarnvale-cli find FREQUENCY_MHZ [--tolerance-khz K]\n";
            return std::nullopt;
        }
    }
    if (!frequency) {
        err += "tarnvale-cli: find needs a frequency in MHz\n";
        return std::nullopt;
    }
    const auto mhz = readNumber(*frequency, "frequency in MHz", err);
    if (!mhz) {
        return std::nullopt;
    }
    request.frequencyMhz = *mhz;
    if (tolerance) {
        const auto khz = readNumber(*tolerance, "tolerance in kHz", err);
        if (!khz) {
            return std::nullopt;
        }
        if (*khz < 0) {
            err += "tarnvale-cli: the tolerance must not be negative\n";
            return std::nullopt;
        }
        request.toleranceKhz = *khz;
    }
    return request;
}

}  // namespace

int findCommand(Args args, std::string& out, std::string& err) {
    const auto request = readRequest(args, err);
    if (!request) {
        return kExitBadInput;
    }
    appendCsvRecord(
        out, {"format", "band", "index", "channel", "direction", "frequency_mhz", "offset_khz"});
    for (const auto& m : findCarriers(request->frequencyMhz, request->toleranceKhz)) {
        appendCsvRecord(
            out,
            {m.band.formatName(), m.band.name(), std::to_string(m.index), formatChannel(m.channel),
             m.direction == Direction::Forward ? "forward" : "reverse",
             formatFrequency(m.frequencyMhz, kDot), formatNumber(m.offsetKhz, kDot)});
    }
    return kExitOk;
}

}  // namespace tarnvale::cli

#include "cli/cell_reading.h"

#include "engine/band_names.h"
#include "engine/input_text.h"
#include "engine/number_text.h"

namespace tarnvale::cli {

std::optional<BandRef> readNrBand(const Request& request, std::string_view command,
                                  Diagnostics& diagnostics) {
    const auto format = diagnostics.accept(resolveFormat(request.arguments[0]));
    if (format && *format != Format::Nr) {
        diagnostics.badInput(std::string(command) + " is for NR bands, not " +
                             std::string(formatName(*format)));
        return std::nullopt;
    }
    return format ? diagnostics.accept(resolveBand(*format, request.arguments[1])) : std::nullopt;
}

std::optional<std::int64_t> OptionReader::number(const Option& option, std::int64_t low,
                                                 std::int64_t high, std::string_view what) {
    const auto text = request_.value(option);
    if (!text) {
        return std::nullopt;
    }
    const auto value = parseChannel(trimmed(*text));
    if (!value || *value < low || *value > high) {
        diagnostics_.badInput(std::string(option.flag) + " takes " + std::string(what) + " (" +
                              channelText(static_cast<Channel>(low)) + " to " +
                              channelText(static_cast<Channel>(high)) + "), not " +
                              inQuotes(*text));
        ok_ = false;
        return std::nullopt;
    }
    return *value;
}

std::optional<std::int64_t> OptionReader::required(const Option& option, std::int64_t low,
                                                   std::int64_t high, std::string_view what) {
    if (!request_.given(option)) {
        diagnostics_.badInput(std::string(option.flag) + " " + std::string(option.valueName) +
                              " is needed: " + std::string(what));
        ok_ = false;
        return std::nullopt;
    }
    return number(option, low, high, what);
}

}  // namespace tarnvale::cli

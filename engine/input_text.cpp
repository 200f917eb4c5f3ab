#include "engine/input_text.h"

#include <algorithm>

#include "engine/number_text.h"

namespace tarnvale {
namespace {

bool isWholeNumber(std::string_view text) {
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

template <typename T>
Reading<T> refused(std::string problem) {
    return {std::nullopt, std::move(problem)};
}

}  // namespace

Reading<Channel> readChannelNumber(std::string_view text) {
    const std::string shown(text);
    if (!isWholeNumber(text)) {
        return refused<Channel>("\"" + shown + "\" is not a channel number (a whole number)");
    }
    const auto channel = parseChannel(text);
    if (text.starts_with('-') && channel != 0) {
        return refused<Channel>(shown +
                                " is not a channel number: channel numbers are not negative");
    }
    if (!channel) {
        return refused<Channel>(shown + " is too large for a channel number");
    }
    return {channel, {}};
}

Reading<double> readFrequencyMhz(std::string_view text, std::string_view decimalSeparator) {
    const std::string shown(text);
    const auto mhz = parseNumber(text, decimalSeparator);
    if (!mhz) {
        return refused<double>("\"" + shown +
                               "\" is not a frequency in MHz (a plain decimal number such as 869" +
                               std::string(decimalSeparator) + "04)");
    }
    if (auto refusal = frequencyRefusal(*mhz, text)) {
        return refused<double>(std::move(*refusal));
    }
    return {mhz, {}};
}

std::optional<std::string> frequencyRefusal(double mhz, std::string_view shown) {
    if (mhz < 0) {
        return std::string(shown) + " is not a frequency: frequencies are not negative";
    }
    return std::nullopt;
}

}  // namespace tarnvale

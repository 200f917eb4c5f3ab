#include "engine/input_text.h"

#include <algorithm>
#include <limits>

#include "engine/nr_raster.h"
#include "engine/number_text.h"

namespace tarnvale {
namespace {

constexpr std::size_t kLongestEcho = 40;

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

// Where a cut may fall: not inside a UTF-8 character.
std::size_t cutAt(std::string_view text, std::size_t at) {
    while (at > 0 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) {
        --at;
    }
    return at;
}

}  // namespace

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string echoed(std::string_view text) {
    const bool cut = text.size() > kLongestEcho;
    if (cut) {
        text = text.substr(0, cutAt(text, kLongestEcho));
    }
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            shown += c;
        } else if (c == '\t') {
            shown += "\\t";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\r') {
            shown += "\\r";
        } else {
            constexpr std::string_view kHex = "0123456789ABCDEF";
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0xF];
        }
    }
    if (cut) {
        shown.append("...");
    }
    return shown;
}

std::string inQuotes(std::string_view text) {
    std::string shown(1, '"');
    shown.append(echoed(text)).push_back('"');
    return shown;
}

Reading<Channel> readChannelNumber(std::string_view text) {
    text = trimmed(text);
    if (!isWholeNumber(text)) {
        return refused<Channel>(inQuotes(text) + " is not a channel number (a whole number)");
    }
    if (text.starts_with('-')) {
        return refused<Channel>(echoed(text) +
                                " is not a channel number: channel numbers have no minus sign");
    }
    const auto channel = parseChannel(text);
    if (!channel) {
        return refused<Channel>(echoed(text) +
                                " is too large for a channel number (the largest is " +
                                channelText(std::numeric_limits<Channel>::max()) + ")");
    }
    return {channel, {}};
}

Reading<Channel> readNrArfcn(std::string_view text) {
    auto number = readChannelNumber(text);
    if (number.value && *number.value > kLastNrArfcn) {
        return refused<Channel>(channelText(*number.value) + " is not an NR-ARFCN (0 to " +
                                channelText(kLastNrArfcn) + ")");
    }
    return number;
}

Reading<double> readFrequencyMhz(std::string_view text, std::string_view decimalSeparator) {
    text = trimmed(text);
    const auto mhz = parseNumber(text, decimalSeparator);
    if (!mhz) {
        return refused<double>(inQuotes(text) +
                               " is not a frequency in MHz (a plain decimal number such as 869" +
                               std::string(decimalSeparator) + "04)");
    }
    if (auto refusal = frequencyRefusal(*mhz, text)) {
        return refused<double>(std::move(*refusal));
    }
    return {mhz, {}};
}

std::optional<std::string> frequencyRefusal(double mhz, std::string_view shown) {
    if (mhz < 0) {
        return echoed(shown) + " is not a frequency: frequencies are not negative";
    }
    return std::nullopt;
}

}  // namespace tarnvale

#include "engine/format.h"

#include <algorithm>

namespace tarnvale {
namespace {

constexpr std::array<std::string_view, kFormats.size()> kNames = {"CDMA", "GSM", "WCDMA", "IS-136",
                                                                  "AMPS", "LTE", "NR",    "UMTS"};
constexpr std::array<std::string_view, 4> kDuplexNames = {"FDD", "TDD", "SDL", "SUL"};

constexpr char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string_view formatName(Format format) {
    return kNames[static_cast<std::size_t>(format)];
}

std::string_view duplexName(Duplex duplex) {
    return kDuplexNames[static_cast<std::size_t>(duplex)];
}

bool namesMatch(std::string_view a, std::string_view b, NameMatch match) {
    if (match == NameMatch::Exact) {
        return a == b;
    }
    return std::ranges::equal(a, b, [](char x, char y) { return lower(x) == lower(y); });
}

std::optional<Format> findFormat(std::string_view name, NameMatch match) {
    for (const auto format : kFormats) {
        if (namesMatch(formatName(format), name, match)) {
            return format;
        }
    }
    return std::nullopt;
}

}  // namespace tarnvale

#include "engine/band_names.h"

#include <array>
#include <charconv>
#include <vector>

#include "engine/band_table.h"
#include "engine/input_text.h"

namespace tarnvale {
namespace {

void appendQuoted(std::string& list, std::string_view name) {
    list += list.empty() ? "\"" : ", \"";
    list += name;
    list += '"';
}

std::string romanNumeral(int number) {
    static constexpr std::array<std::pair<int, std::string_view>, 13> kNumerals = {{
        {1000, "M"},
        {900, "CM"},
        {500, "D"},
        {400, "CD"},
        {100, "C"},
        {90, "XC"},
        {50, "L"},
        {40, "XL"},
        {10, "X"},
        {9, "IX"},
        {5, "V"},
        {4, "IV"},
        {1, "I"},
    }};
    std::string text;
    for (const auto& [value, numeral] : kNumerals) {
        for (; number >= value; number -= value) {
            text += numeral;
        }
    }
    return text;
}

// The names a band may go by when the text is its number alone: "Band 3", "n3" and "Band III"
// for "3", "Band III" for "III".
std::vector<std::string> namesForNumber(std::string_view text) {
    const auto named = [](std::string_view prefix, std::string_view number) {
        std::string name(prefix);
        name += number;
        return name;
    };
    std::vector<std::string> names = {named("Band ", text), named("n", text)};
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error == std::errc{} && end == text.data() + text.size() && number > 0 && number < 4000) {
        names.push_back(named("Band ", romanNumeral(number)));
    }
    return names;
}

}  // namespace

Reading<Format> resolveFormat(std::string_view name) {
    name = trimmed(name);
    if (const auto format = findFormat(name, NameMatch::IgnoreCase)) {
        return {format, {}};
    }
    std::string valid;
    for (const auto format : kFormats) {
        appendQuoted(valid, formatName(format));
    }
    return {std::nullopt, "unknown format " + inQuotes(name) + "; valid formats: " + valid};
}

Reading<BandRef> resolveBand(Format format, std::string_view band) {
    band = trimmed(band);
    if (const auto found = findBand(format, band, NameMatch::IgnoreCase)) {
        return {found, {}};
    }
    for (const auto& name : namesForNumber(band)) {
        if (const auto found = findBand(format, name, NameMatch::IgnoreCase)) {
            return {found, {}};
        }
    }
    std::string valid;
    for (const BandRef known : bandsOf(format)) {
        appendQuoted(valid, known.name());
    }
    return {std::nullopt, std::string(formatName(format)) + " has no band " + inQuotes(band) +
                              "; valid bands: " + valid};
}

Reading<BandRef> resolveBand(std::string_view format, std::string_view band) {
    auto found = resolveFormat(format);
    if (!found.value) {
        return {std::nullopt, std::move(found.problem)};
    }
    return resolveBand(*found.value, band);
}

}  // namespace tarnvale

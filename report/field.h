#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

// What a column of a row holds, and the tables of columns each kind of row is written with: the
// command-line tool writes them as CSV or JSON, the window shows them in the user's locale.
namespace tarnvale::report {

struct Kilohertz {
    std::int64_t khz;  // whole kilohertz, written as MHz with four decimals
};
struct Megahertz {
    double mhz;  // written with four decimals
};
struct General {
    double value;  // written with up to 15 significant digits, no trailing zeros
};

// One field; std::monostate is a field without a value (empty in CSV, null in JSON). A text
// points into the record or into static storage: it lives as long as the record.
using Field =
    std::variant<std::monostate, std::string_view, long long, Kilohertz, Megahertz, General>;

enum class Align { Left, Right };

// A column: its name in the CSV header and as the JSON key, its title for a person, how its
// text is aligned, and how its field is taken from a record.
template <typename Record>
struct Column {
    using RecordType = Record;

    std::string_view name;
    std::string_view title;
    Align align;
    Field (*field)(const Record&);
};

// The column names of a table, for the header and for help texts.
template <typename Record, std::size_t N>
constexpr std::array<std::string_view, N> namesOf(const std::array<Column<Record>, N>& columns) {
    std::array<std::string_view, N> names{};
    for (std::size_t i = 0; i < N; ++i) {
        names[i] = columns[i].name;
    }
    return names;
}

template <typename Integer>
Field integerField(const std::optional<Integer>& value) {
    return value ? Field(static_cast<long long>(*value)) : Field();
}

// Whole kilohertz as MHz with four decimals, or no value.
inline Field kilohertzField(const std::optional<std::int64_t>& khz) {
    return khz ? Field(Kilohertz{*khz}) : Field();
}

// Hertz as MHz with four decimals.
inline Field megahertzOfHz(std::int64_t hz) {
    return Megahertz{static_cast<double>(hz) / 1e6};
}

// A bandwidth or a guard of whole kilohertz as a general number of MHz (1.4, 100).
inline Field megahertzOfKhz(std::int64_t khz) {
    return General{static_cast<double>(khz) / 1000.0};
}

}  // namespace tarnvale::report

#pragma once

#include <cmath>
#include <cstddef>
#include <string>
#include <utility>

#include "engine/number_text.h"
#include "report/field.h"
#include "report/table_writer.h"

namespace tarnvale::report {

// The record type of a column table.
template <const auto& Columns>
using RecordOf = typename std::remove_cvref_t<decltype(Columns[0])>::RecordType;

// Writes records as rows of the column table `Columns`, as CSV or JSON Lines. The table is a
// template argument, so each field's accessor is known where the row is written and inlined:
// `table` writes millions of rows.
template <const auto& Columns>
class Rows {
  public:
    using Record = RecordOf<Columns>;
    static constexpr std::size_t kColumns = std::size(Columns);

    Rows(Sink& sink, OutputStyle style) : table_(sink, kNames, style) {}

    void write(const Record& record) {
        writeFields(record, std::make_index_sequence<kColumns>());
        table_.endRow();
    }

  private:
    static constexpr auto kNames = namesOf(Columns);

    // A general number's digits, kept because gaps and spacings repeat from row to row.
    struct RepeatedNumber {
        double value = std::nan("");
        std::string digits;

        std::string_view of(double next) {
            if (next != value) {
                value = next;
                digits = numberText(next, ".");
            }
            return digits;
        }
    };

    // Inlined into each column's place, where the accessor is inlined too, so the kind of most
    // fields is known when the row is compiled and the tests below fold away.
    [[gnu::always_inline]] void writeField(const Field& field, RepeatedNumber& general) {
        if (const auto* text = std::get_if<std::string_view>(&field)) {
            table_.text(*text);
        } else if (const auto* value = std::get_if<long long>(&field)) {
            table_.integer(*value);
        } else if (const auto* exact = std::get_if<Kilohertz>(&field)) {
            table_.kilohertz(exact->khz);
        } else if (const auto* mhz = std::get_if<Megahertz>(&field)) {
            table_.frequency(mhz->mhz);
        } else if (const auto* number = std::get_if<General>(&field)) {
            table_.number(general.of(number->value));
        } else {
            table_.empty();
        }
    }

    template <std::size_t... I>
    void writeFields(const Record& record, std::index_sequence<I...>) {
        (writeField(Columns[I].field(record), general_[I]), ...);
    }

    TableWriter table_;
    std::array<RepeatedNumber, kColumns> general_;
};

}  // namespace tarnvale::report

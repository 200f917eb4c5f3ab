#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/cell_config.h"
#include "engine/cell_fields.h"
#include "engine/config_check.h"
#include "engine/coreset0.h"
#include "engine/type0_pdcch.h"
#include "report/field.h"

// coreset0, config and check: an NR cell's CORESET#0 and its frequency fields.
namespace tarnvale::report {

inline Field numberOrEmpty(const std::optional<double>& value) {
    return value ? Field(General{*value}) : Field();
}

// coreset0: a MIB's CORESET#0, one row for each SS block index whose monitoring is asked for.
struct Coreset0Decoded {
    const Coreset0Place* place;
    std::optional<std::int64_t> firstCrb;  // where Point A is known
    int kSsb;
    std::optional<int> pbchBit;  // FR1: k_SSB's fifth bit, from the PBCH payload
    std::optional<int> searchSpaceZero;
    const Type0Search* search;      // nullptr without searchSpaceZero
    const Type0Occasion* occasion;  // likewise
};

inline constexpr std::array<Column<Coreset0Decoded>, 23> kCoreset0Columns = {{
    {"table", "Table", Align::Left,
     [](const Coreset0Decoded& d) { return Field(d.place->table->name); }},
    {"coreset0", "controlResourceSetZero", Align::Right,
     [](const Coreset0Decoded& d) { return Field(static_cast<long long>(d.place->index)); }},
    {"pattern", "Pattern", Align::Right,
     [](const Coreset0Decoded& d) { return Field(static_cast<long long>(d.place->row.pattern)); }},
    {"n_rb", "RBs", Align::Right,
     [](const Coreset0Decoded& d) {
         return Field(static_cast<long long>(d.place->row.resourceBlocks));
     }},
    {"symbols", "Symbols", Align::Right,
     [](const Coreset0Decoded& d) { return Field(static_cast<long long>(d.place->row.symbols)); }},
    {"offset_rb", "Offset RBs", Align::Right,
     [](const Coreset0Decoded& d) { return Field(static_cast<long long>(d.place->offset)); }},
    {"scs_khz", "SCS kHz", Align::Right,
     [](const Coreset0Decoded& d) { return Field(static_cast<long long>(d.place->scsKhz)); }},
    {"low_mhz", "Low MHz", Align::Right,
     [](const Coreset0Decoded& d) { return megahertzOfHz(d.place->band.lowHz); }},
    {"high_mhz", "High MHz", Align::Right,
     [](const Coreset0Decoded& d) { return megahertzOfHz(d.place->band.highHz); }},
    {"first_crb", "First CRB", Align::Right,
     [](const Coreset0Decoded& d) { return integerField(d.firstCrb); }},
    {"k_ssb", "k_SSB", Align::Right,
     [](const Coreset0Decoded& d) { return Field(static_cast<long long>(d.kSsb)); }},
    {"mib_ssb_subcarrier_offset", "MIB ssb-SubcarrierOffset", Align::Right,
     [](const Coreset0Decoded& d) { return Field(static_cast<long long>(d.kSsb & 15)); }},
    {"pbch_bit", "PBCH bit", Align::Right,
     [](const Coreset0Decoded& d) { return integerField(d.pbchBit); }},
    {"search_space_zero", "searchSpaceZero", Align::Right,
     [](const Coreset0Decoded& d) { return integerField(d.searchSpaceZero); }},
    {"search_table", "Search table", Align::Left,
     [](const Coreset0Decoded& d) { return d.search ? Field(d.search->table) : Field(); }},
    {"o_ms", "O ms", Align::Right,
     [](const Coreset0Decoded& d) { return d.search ? numberOrEmpty(d.search->o) : Field(); }},
    {"sets_per_slot", "Sets a slot", Align::Right,
     [](const Coreset0Decoded& d) {
         return d.search ? Field(static_cast<long long>(d.search->setsPerSlot)) : Field();
     }},
    {"m", "M", Align::Right,
     [](const Coreset0Decoded& d) { return d.search ? numberOrEmpty(d.search->m) : Field(); }},
    {"ssb_index", "SSB index", Align::Right,
     [](const Coreset0Decoded& d) {
         return d.occasion ? Field(static_cast<long long>(d.occasion->ssbIndex)) : Field();
     }},
    {"slot", "Slot n0", Align::Right,
     [](const Coreset0Decoded& d) {
         return d.occasion ? Field(static_cast<long long>(d.occasion->slot)) : Field();
     }},
    {"second_slot", "Second slot", Align::Right,
     [](const Coreset0Decoded& d) {
         return d.occasion ? integerField(d.occasion->secondSlot) : Field();
     }},
    {"sfn_parity", "SFN", Align::Left,
     [](const Coreset0Decoded& d) {
         if (d.occasion == nullptr) {
             return Field();
         }
         return Field(std::string_view(!d.occasion->sfnParity        ? "ssb"
                                       : *d.occasion->sfnParity == 0 ? "even"
                                                                     : "odd"));
     }},
    {"first_symbol", "First symbol", Align::Right,
     [](const Coreset0Decoded& d) {
         return d.occasion ? Field(static_cast<long long>(d.occasion->firstSymbol)) : Field();
     }},
}};

// coreset0 with a k_SSB above 23 (FR1) or 11 (FR2): where the MIB says the next SS block with a
// CORESET#0 is, or that none lies in a range.
struct GscnHintRow {
    int kSsb;
    Channel gscn;
    GscnHint hint;
};

inline constexpr std::array<Column<GscnHintRow>, 6> kGscnHintColumns = {{
    {"k_ssb", "k_SSB", Align::Right,
     [](const GscnHintRow& h) { return Field(static_cast<long long>(h.kSsb)); }},
    {"table", "Table", Align::Left, [](const GscnHintRow& h) { return Field(h.hint.table); }},
    {"gscn", "GSCN", Align::Right,
     [](const GscnHintRow& h) { return Field(static_cast<long long>(h.gscn)); }},
    {"gscn_from", "From GSCN", Align::Right,
     [](const GscnHintRow& h) { return Field(static_cast<long long>(h.hint.fromGscn)); }},
    {"gscn_to", "To GSCN", Align::Right,
     [](const GscnHintRow& h) { return Field(static_cast<long long>(h.hint.toGscn)); }},
    {"meaning", "Meaning", Align::Left,
     [](const GscnHintRow& h) {
         return Field(std::string_view(h.hint.noneInRange
                                           ? "no SS block with a CORESET#0 lies in this range"
                                           : "the next SS block with a CORESET#0 lies here"));
     }},
}};

// config: one row a field.
struct FieldRow {
    CellField field;
    std::optional<long long> value;
    std::string meaning;
};

inline constexpr std::array<Column<FieldRow>, 5> kFieldColumns = {{
    {"part", "Part", Align::Left, [](const FieldRow& r) { return Field(r.field.part); }},
    {"field", "Field", Align::Left, [](const FieldRow& r) { return Field(r.field.name); }},
    {"value", "Value", Align::Right, [](const FieldRow& r) { return integerField(r.value); }},
    {"unit", "Unit", Align::Left, [](const FieldRow& r) { return Field(r.field.unit); }},
    {"meaning", "Meaning", Align::Left,
     [](const FieldRow& r) { return Field(std::string_view(r.meaning)); }},
}};

// config --all: every SS block position with each CORESET#0 that fits there.
struct ConfigPair {
    const SsbPosition* ssb;
    const Coreset0Place* coreset0;
};

inline constexpr std::array<Column<ConfigPair>, 12> kConfigPairColumns = {{
    {"gscn", "GSCN", Align::Right,
     [](const ConfigPair& p) { return Field(static_cast<long long>(p.ssb->gscn)); }},
    {"ssb_arfcn", "absoluteFrequencySSB", Align::Right,
     [](const ConfigPair& p) { return Field(static_cast<long long>(p.ssb->ssbArfcn)); }},
    {"ssb_scs_khz", "SSB SCS kHz", Align::Right,
     [](const ConfigPair& p) { return Field(static_cast<long long>(p.ssb->scsKhz)); }},
    {"offset_to_point_a", "offsetToPointA", Align::Right,
     [](const ConfigPair& p) { return Field(static_cast<long long>(p.ssb->offsetToPointA)); }},
    {"k_ssb", "k_SSB", Align::Right,
     [](const ConfigPair& p) { return Field(static_cast<long long>(p.ssb->kSsb)); }},
    {"coreset0", "controlResourceSetZero", Align::Right,
     [](const ConfigPair& p) { return Field(static_cast<long long>(p.coreset0->index)); }},
    {"table", "Table", Align::Left,
     [](const ConfigPair& p) { return Field(p.coreset0->table->name); }},
    {"n_rb", "RBs", Align::Right,
     [](const ConfigPair& p) {
         return Field(static_cast<long long>(p.coreset0->row.resourceBlocks));
     }},
    {"symbols", "Symbols", Align::Right,
     [](const ConfigPair& p) { return Field(static_cast<long long>(p.coreset0->row.symbols)); }},
    {"first_crb", "First CRB", Align::Right,
     [](const ConfigPair& p) { return Field(static_cast<long long>(p.coreset0->firstCrb)); }},
    {"low_mhz", "Low MHz", Align::Right,
     [](const ConfigPair& p) { return megahertzOfHz(p.coreset0->band.lowHz); }},
    {"high_mhz", "High MHz", Align::Right,
     [](const ConfigPair& p) { return megahertzOfHz(p.coreset0->band.highHz); }},
}};

// check: one row a problem, of the cell a configuration file names.
struct ProblemRow {
    std::string_view cell;
    const ConfigProblem* problem;
};

inline constexpr std::array<Column<ProblemRow>, 6> kProblemColumns = {{
    {"cell", "Cell", Align::Left, [](const ProblemRow& r) { return Field(r.cell); }},
    {"part", "Part", Align::Left, [](const ProblemRow& r) { return Field(r.problem->field.part); }},
    {"field", "Field", Align::Left,
     [](const ProblemRow& r) { return Field(r.problem->field.name); }},
    {"given", "Given", Align::Right,
     [](const ProblemRow& r) { return Field(std::string_view(r.problem->given)); }},
    {"consistent", "Consistent", Align::Left,
     [](const ProblemRow& r) { return Field(std::string_view(r.problem->consistent)); }},
    {"problem", "Problem", Align::Left,
     [](const ProblemRow& r) { return Field(std::string_view(r.problem->why)); }},
}};

}  // namespace tarnvale::report

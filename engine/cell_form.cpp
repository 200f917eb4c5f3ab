#include "engine/cell_form.h"

#include <algorithm>

#include "engine/band_names.h"
#include "engine/band_table.h"
#include "engine/given_fields.h"
#include "engine/input_text.h"
#include "engine/number_text.h"

namespace tarnvale {
namespace {

std::string keyOf(const CellField& field) {
    return std::string(field.part) + "/" + std::string(field.name);
}

bool isFormField(const CellField& field) {
    return std::ranges::find(givenFields(), field) != givenFields().end();
}

}  // namespace

void CellForm::set(const CellField& field, std::string_view text) {
    texts_[keyOf(field)] = text;
}

std::string CellForm::text(const CellField& field) const {
    const auto found = texts_.find(keyOf(field));
    return found == texts_.end() ? std::string() : found->second;
}

void CellForm::load(const GivenCell& cell) {
    band_ = cell.band.name();
    for (const auto& field : givenFields()) {
        const auto value = givenField(cell, field);
        set(field, value ? channelText(static_cast<Channel>(*value)) : std::string());
    }
}

std::optional<BandRef> CellForm::band() const {
    return resolveBand(Format::Nr, trimmed(band_)).value;
}

CellCheck CellForm::check() const {
    CellCheck result;
    const auto band = resolveBand(Format::Nr, trimmed(band_));
    if (!band.value) {
        result.problems.push_back({cell_field::kBand, band_, "", band.problem});
    }
    GivenCell given{band.value.value_or(bandsOf(Format::Nr).front())};
    for (const auto& field : givenFields()) {
        const std::string raw = text(field);
        const std::string_view typed = trimmed(raw);
        if (typed.empty()) {
            continue;
        }
        const auto value = parseChannel(typed);
        if (!value || *value < 0) {
            result.problems.push_back(
                {field, std::string(typed), "", inQuotes(typed) + " is not a whole number"});
            continue;
        }
        setGivenField(given, field, *value);
    }
    if (!result.problems.empty()) {
        return result;
    }
    return checkCell(given);
}

bool CellForm::apply(const ConfigProblem& problem) {
    const auto value = parseChannel(problem.consistent);
    if (!value || !isFormField(problem.field)) {
        return false;
    }
    set(problem.field, problem.consistent);
    return true;
}

}  // namespace tarnvale

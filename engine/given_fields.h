#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "engine/cell_fields.h"
#include "engine/config_check.h"

// A given cell's fields by name, for what fills them one at a time: the rows config writes, the
// Check Configuration window's boxes.
namespace tarnvale {

// The fields a cell's check takes one number each for, in the order a form shows them.
std::span<const CellField> givenFields();

// The field's value in the cell, or nullopt where it is missing (or no field of a given cell).
std::optional<std::int64_t> givenField(const GivenCell& cell, const CellField& field);

// Sets the field; false for a field a given cell has not.
bool setGivenField(GivenCell& cell, const CellField& field, std::optional<std::int64_t> value);

}  // namespace tarnvale

#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "engine/config_check.h"

// The Check Configuration window's fields as typed, checked whole on every change: a band and a
// text for each field a given cell has, any of them left empty.
namespace tarnvale {

class CellForm {
  public:
    void setBand(std::string_view text) { band_ = text; }
    void set(const CellField& field, std::string_view text);
    const std::string& bandText() const { return band_; }
    std::string text(const CellField& field) const;

    // The texts of a cell's values: a file's, the Carrier window's.
    void load(const GivenCell& cell);

    // The band the text names, or nullopt.
    std::optional<BandRef> band() const;
    // The problems of the fields as they stand: a band that is none or text that is no whole
    // number, else what the check of the cell finds. The cell's picture comes with them.
    CellCheck check() const;

    // Takes a problem's consistent value into its field where it is one number; false where it
    // is none (a range, a list, nothing) or the field is none of the form's.
    bool apply(const ConfigProblem& problem);

  private:
    std::string band_;
    std::map<std::string, std::string, std::less<>> texts_;  // by part and field name
};

}  // namespace tarnvale

#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/lookup.h"

namespace tarnvale::cli {

// The columns annotate appends to each row.
inline constexpr std::array<std::string_view, 3> kAnnotationColumns = {"bands", "direction",
                                                                       "frequency_mhz"};

// The three fields annotate appends for a channel number: the bands that hold it, and the
// direction and carrier each names, joined by "|" in band order, or one direction and one
// carrier where all entries agree. Kept per number: a log repeats its channels row after row.
// Where the log's EARFCNs may have wrapped at 65536 (`wrapped`), a number below it is also taken
// as that number plus 65536, and a band holding it so is named with the EARFCN it took.
class Annotator {
  public:
    Annotator(std::span<const BandRef> bands, DirectionChoice choice, char delimiter = ',',
              bool wrapped = false);

    // The fields as CSV text, "n77|n78,downlink,3700.0100", or empty where no band holds the
    // number in the direction asked. The text lasts until the next call.
    std::string_view fieldsOf(Channel number);

    // Why no band holds a number, e.g. "no LTE band has channel 99999 as a downlink channel".
    std::string nothingText(Channel number) const;

  private:
    // A number's fields, kept in place: a slot is one cache line, and most texts fit.
    struct Slot {
        Channel number = -1;
        std::uint8_t length = 0;
        std::array<char, 59> text{};
    };

    std::string build(Channel number) const;

    std::span<const BandRef> bands_;
    DirectionChoice choice_;
    char delimiter_;
    bool wrapped_;
    std::vector<Slot> slots_;
    std::string longFields_;  // a text too long for a slot, built each time it is asked for
};

}  // namespace tarnvale::cli

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/coreset0.h"

// When a UE monitors the SIB1 PDCCH of an SS block: the Type0-PDCCH common search space set
// that the MIB's searchSpaceZero picks (TS 38.213 clause 13, Tables 13-11 to 13-15A).
namespace tarnvale {

// The SS block candidates of a half frame, L_max (TS 38.213 clause 4.1): 4 or 8 in FR1 by
// frequency, case and duplex (8 with shared spectrum), 64 in FR2.
int ssbCandidates(BandRef band, char ssbCase, std::int64_t ssRefKhz);

// The first symbol of SS block candidate `index` of a case, counted in symbols of its spacing
// from the start of the half frame (TS 38.213 clause 4.1).
int ssbFirstSymbol(char ssbCase, int index);

// The monitoring occasion of one SS block: with pattern 1, slots n0 and a second one (n0 + 1,
// or + 4 and + 8 at 480 and 960 kHz; past the frame's last slot it is in the next frame) of
// frames with SFN parity `sfnParity`; with patterns 2 and 3, slot n0 of the SS block's frame.
// Slots are of CORESET#0's spacing.
struct Type0Occasion {
    int ssbIndex;
    int slot;
    std::optional<int> secondSlot;
    std::optional<int> sfnParity;  // 0 even, 1 odd; none: the SS block's own frame
    int firstSymbol;
};

struct Type0Search {
    std::string_view table;                // "13-11"
    std::optional<double> o;               // O in ms (pattern 1)
    int setsPerSlot;                       // search space sets a slot (pattern 1)
    std::optional<double> m;               // M (pattern 1)
    std::vector<Type0Occasion> occasions;  // SS block indices 0 to L_max - 1
};

// The search space set of searchSpaceZero for a CORESET#0 and its SS block's case, with the
// occasion of each of `candidates` SS blocks; or why the index is none (reserved).
Reading<Type0Search> type0Search(const Coreset0Place& coreset, std::int32_t ssbScsKhz, char ssbCase,
                                 int candidates, int searchSpaceZero);

}  // namespace tarnvale

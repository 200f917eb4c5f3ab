#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/carrier.h"
#include "engine/coreset0.h"
#include "engine/ssb.h"

// One consistent set of an NR cell's frequency fields for a carrier: its SS block, CORESET#0
// and the fields a gNB configuration, the MIB and SIB1 hold for them.
namespace tarnvale {

// A bandwidth part's locationAndBandwidth: the resource indicator value of TS 38.214 clause
// 5.1.2.2.2 with N = 275, as TS 38.331 has it, of `length` blocks from block `start` of the
// carrier.
int locationAndBandwidth(int start, int length);

struct BwpBlocks {
    int start;
    int length;
};
// The blocks a locationAndBandwidth names, or nullopt for a value no start and length give.
std::optional<BwpBlocks> bwpBlocks(int riv);

// An SS block position with the CORESET#0 rows that fit the carrier there, and those as ranges
// ("0-5,8").
struct SsbChoice {
    SsbPosition position;
    std::vector<int> coreset0;
    std::string coreset0Ranges;
};

// Every SS block position of a carrier, with its fitting controlResourceSetZero values.
std::vector<SsbChoice> ssbChoices(const BandwidthCarrier& carrier);

// What a configuration asks for beyond its carrier; where left out, config picks.
struct ConfigWishes {
    std::optional<Channel> gscn;
    std::optional<int> coreset0;
    std::optional<int> searchSpaceZero;
};

struct CellConfig {
    BandwidthCarrier carrier;
    SsbPosition ssb;
    std::optional<Coreset0Place> coreset0;
    int searchSpaceZero;
    // How config chose what it was not told, in words.
    std::optional<std::string> ssbPicked;
    std::optional<std::string> coreset0Picked;
    std::optional<std::string> searchSpacePicked;
    std::optional<std::string> noCoreset0;  // why no CORESET#0 fits, where none does
};

// The cell's fields for an NR carrier with a downlink: the SS block position asked for, else the
// one nearest the carrier's centre among those with a CORESET#0 that fits; the CORESET#0 asked
// for, else the widest that fits (the most blocks, then symbols, then the lowest index);
// searchSpaceZero 0 unless asked. Or why what was asked for is none.
Reading<CellConfig> configureCell(const BandwidthCarrier& carrier, const ConfigWishes& wishes);

}  // namespace tarnvale

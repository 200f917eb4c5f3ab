#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/cell_config.h"
#include "engine/reading.h"
#include "engine/type0_pdcch.h"

// The cell the Carrier window configures on its carrier, one choice at a time: the SS block
// position selected in its table, a controlResourceSetZero among those that fit there, and a
// searchSpaceZero. Another position keeps the CORESET#0 index where it fits there too, else takes
// the one config picks; the searchSpaceZero stays.
namespace tarnvale {

class CellChoice {
  public:
    void show(const BandwidthCarrier& carrier, const SsbChoice& ssb);
    void clear();
    void chooseCoreset0(int index);
    void chooseSearchSpaceZero(int value);

    // The indices that fit the position shown, ascending; empty where none does.
    const std::vector<int>& coreset0s() const { return coreset0s_; }
    std::optional<int> coreset0() const;
    int searchSpaceZero() const { return searchSpaceZero_.value_or(0); }

    // The cell's fields for the choices, as config writes them; nullopt with no position shown.
    const std::optional<CellConfig>& config() const { return config_; }
    // Why there is no configuration for a position shown.
    const std::string& problem() const { return problem_; }
    // Where SS block index 0's SIB1 PDCCH is first monitored, or why nowhere (a reserved
    // searchSpaceZero row, no CORESET#0).
    Reading<Type0Occasion> firstOccasion() const;

  private:
    void configure();

    std::optional<BandwidthCarrier> carrier_;
    std::optional<SsbPosition> position_;
    std::vector<int> coreset0s_;
    std::optional<int> coreset0_;
    std::optional<int> searchSpaceZero_;  // nullopt: config's 0
    std::optional<CellConfig> config_;
    std::string problem_;
};

}  // namespace tarnvale

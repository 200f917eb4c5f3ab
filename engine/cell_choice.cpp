#include "engine/cell_choice.h"

#include <algorithm>

namespace tarnvale {

void CellChoice::show(const BandwidthCarrier& carrier, const SsbChoice& ssb) {
    carrier_ = carrier;
    position_ = ssb.position;
    coreset0s_ = ssb.coreset0;
    if (coreset0_ && std::ranges::find(coreset0s_, *coreset0_) == coreset0s_.end()) {
        coreset0_.reset();
    }
    configure();
}

void CellChoice::clear() {
    carrier_.reset();
    position_.reset();
    coreset0s_.clear();
    config_.reset();
}

void CellChoice::chooseCoreset0(int index) {
    coreset0_ = index;
    configure();
}

void CellChoice::chooseSearchSpaceZero(int value) {
    searchSpaceZero_ = value;
    configure();
}

std::optional<int> CellChoice::coreset0() const {
    return config_ && config_->coreset0 ? std::optional(config_->coreset0->index) : std::nullopt;
}

void CellChoice::configure() {
    config_.reset();
    problem_.clear();
    if (!carrier_ || !position_) {
        return;
    }
    const bool fits = !coreset0s_.empty();
    // What is not chosen is left to config, which says so in the fields' meanings.
    auto configured = configureCell(*carrier_, {position_->gscn, fits ? coreset0_ : std::nullopt,
                                                fits ? searchSpaceZero_ : std::nullopt});
    config_ = std::move(configured.value);
    problem_ = std::move(configured.problem);
}

Reading<Type0Occasion> CellChoice::firstOccasion() const {
    if (!config_ || !config_->coreset0) {
        return {std::nullopt, config_ && config_->noCoreset0 ? *config_->noCoreset0 : ""};
    }
    const auto& ssb = config_->ssb;
    const int candidates = ssbCandidates(config_->carrier.band, ssb.pattern, ssb.ssRefKhz);
    const auto search =
        type0Search(*config_->coreset0, ssb.scsKhz, ssb.pattern, candidates, searchSpaceZero());
    if (!search.value) {
        return {std::nullopt, search.problem};
    }
    return {search.value->occasions.front(), {}};
}

}  // namespace tarnvale

#include "engine/cell_config.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "engine/number_text.h"
#include "engine/type0_pdcch.h"

namespace tarnvale {
namespace {

// TS 38.331 BWP locationAndBandwidth: the RIV is taken with N_BWP^size = 275.
constexpr int kRivBlocks = 275;

std::string positionsText(const std::vector<SsbChoice>& choices) {
    std::vector<int> gscns;
    gscns.reserve(choices.size());
    for (const auto& choice : choices) {
        gscns.push_back(choice.position.gscn);
    }
    gscns.erase(std::unique(gscns.begin(), gscns.end()), gscns.end());
    return indexRangesText(gscns);
}

// The SS block asked for by GSCN, else the one nearest the carrier's centre (the lower GSCN of
// two as near) among those with a CORESET#0 that fits, where any has.
Reading<SsbChoice> chooseSsb(const BandwidthCarrier& carrier, const std::vector<SsbChoice>& all,
                             const ConfigWishes& wishes, std::optional<std::string>& picked) {
    if (all.empty()) {
        return {std::nullopt, noSsbPositionText(carrier)};
    }
    if (wishes.gscn) {
        const auto found = std::ranges::find(all, *wishes.gscn,
                                             [](const SsbChoice& c) { return c.position.gscn; });
        if (found == all.end()) {
            return {std::nullopt, "GSCN " + channelText(*wishes.gscn) +
                                      " is no SS block position of this carrier; its GSCNs: " +
                                      positionsText(all)};
        }
        return {*found, {}};
    }
    const bool anyFits =
        std::ranges::any_of(all, [](const SsbChoice& c) { return !c.coreset0.empty(); });
    const std::int64_t centre = carrier.downlink->centreKhz;
    const auto distance = [centre](const SsbChoice& c) {
        return std::abs(c.position.ssRefKhz - centre);
    };
    const SsbChoice* best = nullptr;
    for (const auto& choice : all) {
        if ((!anyFits || !choice.coreset0.empty()) &&
            (best == nullptr || distance(choice) < distance(*best))) {
            best = &choice;
        }
    }
    picked = anyFits ? "the SS block nearest the carrier's centre that has a CORESET#0"
                     : "the SS block nearest the carrier's centre";
    return {*best, {}};
}

}  // namespace

int locationAndBandwidth(int start, int length) {
    if (length - 1 <= kRivBlocks / 2) {
        return kRivBlocks * (length - 1) + start;
    }
    return kRivBlocks * (kRivBlocks - length + 1) + (kRivBlocks - 1 - start);
}

std::optional<BwpBlocks> bwpBlocks(int riv) {
    if (riv < 0) {
        return std::nullopt;
    }
    // RIV = N (L - 1) + S where L - 1 <= N / 2, else N (N - L + 1) + (N - 1 - S).
    const int low = riv % kRivBlocks;
    const int high = riv / kRivBlocks;
    for (const BwpBlocks blocks :
         {BwpBlocks{low, high + 1}, BwpBlocks{kRivBlocks - 1 - low, kRivBlocks - high + 1}}) {
        if (blocks.start >= 0 && blocks.length >= 1 && blocks.start + blocks.length <= kRivBlocks &&
            locationAndBandwidth(blocks.start, blocks.length) == riv) {
            return blocks;
        }
    }
    return std::nullopt;
}

std::vector<SsbChoice> ssbChoices(const BandwidthCarrier& carrier) {
    std::vector<SsbChoice> choices;
    for (const auto& position : ssbPositions(carrier)) {
        auto indices = coreset0Indices(carrier, position);
        auto ranges = indexRangesText(indices);
        choices.push_back({position, std::move(indices), std::move(ranges)});
    }
    return choices;
}

Reading<CellConfig> configureCell(const BandwidthCarrier& carrier, const ConfigWishes& wishes) {
    std::optional<std::string> ssbPicked;
    const auto all = ssbChoices(carrier);
    const auto ssb = chooseSsb(carrier, all, wishes, ssbPicked);
    if (!ssb.value) {
        return {std::nullopt, ssb.problem};
    }
    const auto& position = ssb.value->position;
    const auto& fitting = ssb.value->coreset0;
    const std::int32_t common = commonSpacingOf(carrier);
    const auto table =
        coreset0Table({carrier.band, position.scsKhz, common, carrier.shape.bandwidthKhz});
    CellConfig config{carrier,   position,     std::nullopt, wishes.searchSpaceZero.value_or(0),
                      ssbPicked, std::nullopt, std::nullopt, std::nullopt};
    const auto placeOf = [&](int index) { return *coreset0At(carrier, position, index).value; };
    if (wishes.coreset0) {
        if (std::ranges::find(fitting, *wishes.coreset0) == fitting.end()) {
            return {std::nullopt,
                    "controlResourceSetZero " + channelText(*wishes.coreset0) +
                        " does not fit this carrier at GSCN " + channelText(position.gscn) +
                        (fitting.empty() ? std::string("; none does")
                                         : "; these do: " + indexRangesText(fitting))};
        }
        config.coreset0 = placeOf(*wishes.coreset0);
    } else if (!fitting.empty()) {
        const auto widest = std::ranges::max_element(fitting, {}, [&](int index) {
            const auto& row = (*table.value)->rows[static_cast<std::size_t>(index)];
            return std::tuple(row.resourceBlocks, row.symbols, -index);
        });
        config.coreset0 = placeOf(*widest);
        config.coreset0Picked = "the widest CORESET#0 that fits";
    } else {
        config.noCoreset0 =
            table.value ? "no CORESET#0 of TS 38.213 Table " + std::string((*table.value)->name) +
                              " fits the carrier at GSCN " + channelText(position.gscn)
                        : table.problem;
    }
    if (config.coreset0) {
        const auto search = type0Search(*config.coreset0, position.scsKhz, position.pattern, 1,
                                        config.searchSpaceZero);
        if (!search.value) {
            return {std::nullopt, search.problem};
        }
    }
    if (!wishes.searchSpaceZero) {
        config.searchSpacePicked = "searchSpaceZero 0";
    }
    return {config, {}};
}

}  // namespace tarnvale

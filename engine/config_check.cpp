#include "engine/config_check.h"

#include <algorithm>
#include <cstdlib>

#include "engine/arfcn_plan.h"
#include "engine/carrier.h"
#include "engine/cell_config.h"
#include "engine/coreset0.h"
#include "engine/gscn.h"
#include "engine/nr_raster.h"
#include "engine/number_text.h"
#include "engine/resource_blocks.h"
#include "engine/ssb.h"
#include "engine/type0_pdcch.h"

namespace tarnvale {
namespace {

using namespace cell_field;

std::string text(std::int64_t value) {
    return channelText(static_cast<Channel>(value));
}

std::string listText(const std::vector<std::int32_t>& values) {
    std::string out;
    for (const auto value : values) {
        out += (out.empty() ? "" : ", ") + text(value);
    }
    return out;
}

// The cell's carrier as its fields draw it: Point A, offsetToCarrier, N_RB and spacing.
struct Drawn {
    CarrierShape shape;
    int resourceBlocks;
    std::int64_t pointAKhz;

    std::int64_t lowestKhz() const {
        return pointAKhz + 12 * std::int64_t{shape.offsetToCarrier} * shape.scsKhz;
    }
    std::int64_t centreKhz() const {
        return lowestKhz() + 6 * std::int64_t{resourceBlocks} * shape.scsKhz;
    }
    HzSpan transmission() const {
        return transmissionBand(centreKhz(), resourceBlocks, shape.scsKhz);
    }
    HzSpan channel() const {
        const std::int64_t half = std::int64_t{shape.bandwidthKhz} * 500;
        return {centreKhz() * 1000 - half, centreKhz() * 1000 + half};
    }
};

class Checker {
  public:
    explicit Checker(const GivenCell& given) : given_(given) {}

    CellCheck run() {
        if (!required()) {
            return std::move(check_);
        }
        const auto drawn = carrier();
        if (drawn) {
            ssb(*drawn);
            initialBwp(*drawn);
        }
        uplink();
        return std::move(check_);
    }

  private:
    void problem(const CellField& field, std::string given, std::string consistent,
                 std::string why) {
        check_.problems.push_back({field, std::move(given), std::move(consistent), std::move(why)});
    }

    bool required() {
        const auto missing = [this](bool present, const CellField& field) {
            if (!present) {
                problem(field, "", "", "the field is missing");
            }
            return present;
        };
        bool all = missing(given_.pointA.has_value(), kPointA);
        all = missing(given_.carrierBandwidth.has_value(), kCarrierBandwidth) && all;
        all = missing(given_.scsKhz.has_value(), kSubcarrierSpacing) && all;
        all = missing(given_.ssbArfcn.has_value(), kSsbArfcn) && all;
        if (all && given_.band.plan<ArfcnPlan>()->downlink.empty()) {
            problem(kBand, std::string(given_.band.name()), "",
                    fullName(given_.band) + " has no downlink to carry SS blocks");
            return false;
        }
        return all;
    }

    // The bandwidths the band allows with a spacing and their N_RB.
    std::vector<AllowedBandwidth> allowedAt(std::int32_t scs) const {
        std::vector<AllowedBandwidth> at;
        for (const auto& allowed : allowedBandwidths(given_.band)) {
            if (allowed.scsKhz == scs) {
                at.push_back(allowed);
            }
        }
        return at;
    }

    std::optional<Drawn> carrier() {
        const auto scs = *given_.scsKhz;
        const auto at = allowedAt(scs);
        if (at.empty()) {
            std::vector<std::int32_t> spacings;
            for (const auto& allowed : allowedBandwidths(given_.band)) {
                if (spacings.empty() || spacings.back() != allowed.scsKhz) {
                    spacings.push_back(allowed.scsKhz);
                }
            }
            problem(kSubcarrierSpacing, text(scs), listText(spacings),
                    fullName(given_.band) + " has no carrier of " + text(scs) + " kHz subcarriers");
            return std::nullopt;
        }
        const auto rbs = *given_.carrierBandwidth;
        if (given_.offsetToCarrier < 0 || given_.offsetToCarrier > kLargestOffsetToCarrier) {
            problem(kOffsetToCarrier, text(given_.offsetToCarrier), "0-2199",
                    "offsetToCarrier is 0 to 2199");
            return std::nullopt;
        }
        const auto found =
            std::ranges::find(at, std::optional<int>(rbs), &AllowedBandwidth::resourceBlocks);
        // A carrier of no allowed bandwidth is still drawn, as the nearest bandwidth's raster
        // entries apply to it, so its SS block and CORESET#0 are checked too.
        const auto* nearest = &at.front();
        for (const auto& allowed : at) {
            nearest =
                std::abs(*allowed.resourceBlocks - rbs) < std::abs(*nearest->resourceBlocks - rbs)
                    ? &allowed
                    : nearest;
        }
        const Drawn drawn{
            {(found != at.end() ? *found : *nearest).bandwidthKhz, scs, given_.offsetToCarrier},
            rbs,
            nrArfcnKhz(static_cast<Channel>(*given_.pointA))};
        check_.cell.pointAKhz = drawn.pointAKhz;
        check_.cell.channel = drawn.channel();
        check_.cell.transmission = drawn.transmission();
        if (found == at.end()) {
            std::vector<std::int32_t> counts;
            counts.reserve(at.size());
            for (const auto& allowed : at) {
                counts.push_back(*allowed.resourceBlocks);
            }
            problem(kCarrierBandwidth, text(rbs), listText(counts),
                    "no channel bandwidth " + fullName(given_.band) + " allows at " + text(scs) +
                        " kHz has " + text(rbs) + " resource blocks");
            return drawn;
        }
        valid_ = carrierChannels(given_.band, drawn.shape);
        const auto channel = nrArfcnAt(drawn.centreKhz());
        const auto carrier =
            channel ? carrierAt(given_.band, *channel, drawn.shape) : Reading<BandwidthCarrier>{};
        carrierValid_ = carrier.value && listedSide(*carrier.value).centreKhz == drawn.centreKhz();
        if (!carrierValid_) {
            const std::string why =
                carrier.value
                    ? "the carrier's centre is no downlink channel of " + fullName(given_.band)
                : channel ? carrier.problem
                          : "the carrier's centre, " +
                                frequencyText(static_cast<double>(drawn.centreKhz()) / 1000, ".") +
                                " MHz, is off the NR global raster";
            mendCarrier(drawn, why);
        }
        return drawn;
    }

    // The values of each carrier field that would give a valid carrier with the others kept.
    void mendCarrier(const Drawn& drawn, const std::string& why) {
        if (!valid_.empty()) {
            const Channel near = *valid_.nearest(nrArfcnBelow(drawn.centreKhz()));
            const auto carrier = carrierAt(given_.band, near, drawn.shape).value;
            if (carrier && carrier->downlink && carrier->downlink->pointAKhz) {
                problem(kPointA, text(*given_.pointA),
                        text(*nrArfcnAt(*carrier->downlink->pointAKhz)), why);
            }
        }
        if (const auto offset = nearestOffset(drawn, [](const Drawn&) { return true; })) {
            problem(kOffsetToCarrier, text(given_.offsetToCarrier), text(*offset), why);
        }
    }

    bool carrierHolds(const Drawn& drawn) const {
        const auto channel = nrArfcnAt(drawn.centreKhz());
        return channel && valid_.contains(*channel);
    }

    // The offsetToCarrier nearest the given one for which the carrier is valid and `holds`.
    template <typename Holds>
    std::optional<int> nearestOffset(Drawn drawn, Holds holds) const {
        const int given = drawn.shape.offsetToCarrier;
        for (int step = 1; step <= kLargestOffsetToCarrier; ++step) {
            for (const int offset : {given - step, given + step}) {
                drawn.shape.offsetToCarrier = offset;
                if (offset >= 0 && offset <= kLargestOffsetToCarrier && carrierHolds(drawn) &&
                    holds(drawn)) {
                    return offset;
                }
            }
        }
        return std::nullopt;
    }

    void ssb(const Drawn& drawn) {
        const std::int64_t ssRef = nrArfcnKhz(static_cast<Channel>(*given_.ssbArfcn));
        const auto* plan = given_.band.plan<ArfcnPlan>();
        const std::int32_t bandwidth = drawn.shape.bandwidthKhz;
        std::vector<const GscnRange*> ranges;
        for (const auto& range : plan->gscn) {
            if (range.appliesTo(bandwidth)) {
                ranges.push_back(&range);
            }
        }
        if (ranges.empty()) {
            problem(kSsbArfcn, text(*given_.ssbArfcn), "",
                    fullName(given_.band) + " has no GSCN for " +
                        numberText(bandwidth / 1000.0, ".") + " MHz carriers");
            return;
        }
        // The SS block's spacing: the one given, else the one whose raster holds it, else the
        // band's smallest.
        std::int32_t scs = ranges.front()->scsKhz;
        const GscnRange* onRange = nullptr;
        for (const auto* range : ranges) {
            const bool holds = std::ranges::any_of(
                gscnsNear(static_cast<double>(ssRef) / 1000), [&](const GscnNear& near) {
                    return near.offsetKhz == 0 && range->gscn.holds(near.gscn);
                });
            if (holds && (!given_.ssbScsKhz || *given_.ssbScsKhz == range->scsKhz)) {
                onRange = range;
                scs = range->scsKhz;
            }
            scs = std::min(scs, range->scsKhz);
        }
        if (onRange != nullptr) {
            scs = onRange->scsKhz;
        }
        if (given_.ssbScsKhz) {
            const bool known = std::ranges::any_of(
                ranges, [&](const GscnRange* r) { return r->scsKhz == *given_.ssbScsKhz; });
            if (!known) {
                std::vector<std::int32_t> spacings;
                for (const auto* range : ranges) {
                    if (std::ranges::find(spacings, range->scsKhz) == spacings.end()) {
                        spacings.push_back(range->scsKhz);
                    }
                }
                problem(kSsbSubcarrierSpacing, text(*given_.ssbScsKhz), listText(spacings),
                        fullName(given_.band) + " has no SS blocks of " + text(*given_.ssbScsKhz) +
                            " kHz");
                return;
            }
            scs = *given_.ssbScsKhz;
        }
        const SsbSubcarriers received = ssbSubcarriers(bandwidth);
        const HzSpan occupied = ssbOccupiedBand(ssRef, scs, received);
        check_.cell.ssb = occupied;
        check_.cell.ssbInside = drawn.transmission().holds(occupied);
        const auto valid = validPositions(drawn, scs);
        if (onRange == nullptr) {
            problem(kSsbArfcn, text(*given_.ssbArfcn), nearestPosition(valid, ssRef, ranges, scs),
                    "no GSCN of " + fullName(given_.band) + " for " +
                        numberText(bandwidth / 1000.0, ".") + " MHz carriers and " + text(scs) +
                        " kHz SS blocks lies at " +
                        frequencyText(static_cast<double>(ssRef) / 1000, ".") + " MHz");
        }
        if (!check_.cell.ssbInside) {
            problem(kSsbArfcn, text(*given_.ssbArfcn), positionsText(valid),
                    "the SS block lies outside the carrier's resource blocks");
            if (const auto offset = nearestOffset(
                    drawn, [&](const Drawn& d) { return d.transmission().holds(occupied); })) {
                problem(kOffsetToCarrier, text(given_.offsetToCarrier), text(*offset),
                        "the SS block lies outside the carrier's resource blocks");
            }
        }
        offsets(drawn, ssRef, scs, received);
    }

    // The valid SS block positions of the drawn carrier where it is valid.
    std::vector<SsbPosition> validPositions(const Drawn& drawn, std::int32_t scs) const {
        std::vector<SsbPosition> positions;
        if (!carrierValid_) {
            return positions;
        }
        const auto carrier =
            carrierAt(given_.band, *nrArfcnAt(drawn.centreKhz()), drawn.shape).value;
        for (const auto& position : ssbPositions(*carrier)) {
            if (position.scsKhz == scs) {
                positions.push_back(position);
            }
        }
        return positions;
    }

    static std::string positionsText(const std::vector<SsbPosition>& positions) {
        if (positions.empty()) {
            return "";
        }
        return positions.size() == 1
                   ? text(positions.front().ssbArfcn)
                   : text(positions.front().ssbArfcn) + "-" + text(positions.back().ssbArfcn) +
                         " (" + text(static_cast<std::int64_t>(positions.size())) + " GSCNs)";
    }

    // The absoluteFrequencySSB of the valid position nearest SS_REF, else of the band's nearest
    // GSCN of the spacing.
    static std::string nearestPosition(const std::vector<SsbPosition>& valid, std::int64_t ssRef,
                                       const std::vector<const GscnRange*>& ranges,
                                       std::int32_t scs) {
        std::optional<std::int64_t> best;
        const auto consider = [&](std::int64_t khz) {
            if (!best || std::abs(khz - ssRef) < std::abs(*best - ssRef)) {
                best = khz;
            }
        };
        for (const auto& position : valid) {
            consider(position.ssRefKhz);
        }
        if (!best) {
            for (const auto* range : ranges) {
                for (std::size_t k = 0; range->scsKhz == scs && k < range->gscn.count(); ++k) {
                    consider(*gscnKhz(range->gscn.at(k)));
                }
            }
        }
        return best ? text(*nrArfcnAt(*best)) : "";
    }

    void offsets(const Drawn& drawn, std::int64_t ssRef, std::int32_t scs,
                 SsbSubcarriers received) {
        const std::int32_t common = given_.scsCommonKhz.value_or(
            carrierKind(given_.band) == CarrierKind::NrFr2 ? drawn.shape.scsKhz
                                                           : std::min(drawn.shape.scsKhz, 30));
        const SsbGrid grid = ssbGrid(given_.band, common, scs);
        const auto expected =
            ssbOffsets(drawn.pointAKhz, ssbFirstSubcarrierKhz(ssRef, scs, received), grid);
        if (!expected) {
            problem(kPointA, text(*given_.pointA), gridPointA(drawn, ssRef, scs, received, grid),
                    "the SS block is not on the common resource grid of " +
                        text(grid.commonScsKhz) + " kHz over Point A");
            return;
        }
        // The Point A the given offsets count from, where that is another one.
        const int k = given_.kSsb.value_or(expected->kSsb);
        const int rbs = given_.offsetToPointA.value_or(expected->offsetToPointA);
        if (k != expected->kSsb || rbs != expected->offsetToPointA) {
            const std::int64_t pointA = ssbFirstSubcarrierKhz(ssRef, scs, received) -
                                        std::int64_t{k} * grid.kSsbUnitKhz -
                                        std::int64_t{rbs} * grid.offsetRbKhz;
            if (const auto arfcn = nrArfcnAt(pointA)) {
                problem(kPointA, text(*given_.pointA), text(*arfcn),
                        "Point A lies where k_SSB and offsetToPointA count from");
            }
        }
        if (given_.kSsb && *given_.kSsb != expected->kSsb) {
            problem(kKssb, text(*given_.kSsb), text(expected->kSsb),
                    "k_SSB is the SS block's subcarrier offset from its common resource block");
        }
        if (given_.offsetToPointA && *given_.offsetToPointA != expected->offsetToPointA) {
            problem(kOffsetToPointA, text(*given_.offsetToPointA), text(expected->offsetToPointA),
                    "offsetToPointA counts the resource blocks from Point A to the SS block's");
        }
        coreset0(drawn, scs, *expected, grid);
    }

    // A Point A near the given one that puts the SS block on the grid, in words.
    static std::string gridPointA(const Drawn& drawn, std::int64_t ssRef, std::int32_t scs,
                                  SsbSubcarriers received, const SsbGrid& grid) {
        const std::int64_t first = ssbFirstSubcarrierKhz(ssRef, scs, received);
        const std::int64_t rest = (first - drawn.pointAKhz) % grid.kSsbUnitKhz;
        for (const std::int64_t khz :
             {drawn.pointAKhz + rest, drawn.pointAKhz + rest - grid.kSsbUnitKhz}) {
            if (const auto arfcn = nrArfcnAt(khz)) {
                return text(*arfcn);
            }
        }
        return "";
    }

    void coreset0(const Drawn& drawn, std::int32_t scs, const SsbOffsets& offsets,
                  const SsbGrid& grid) {
        if (!given_.coreset0 && !given_.searchSpaceZero) {
            return;
        }
        const std::int32_t bandwidth = drawn.shape.bandwidthKhz;
        const auto table = coreset0Table({given_.band, scs, grid.commonScsKhz, bandwidth});
        if (!table.value) {
            problem(kScsCommon, text(grid.commonScsKhz), "", table.problem);
            return;
        }
        const bool present =
            offsets.kSsb < (carrierKind(given_.band) == CarrierKind::NrFr2 ? 12 : 24);
        const auto fitting = grid.commonScsKhz == drawn.shape.scsKhz
                                 ? fittingCoreset0(**table.value, drawn.pointAKhz, offsets, grid,
                                                   bandwidth, drawn.transmission())
                                 : std::vector<int>{};
        if (!given_.coreset0 || !present) {
            searchSpace(std::nullopt, scs);
            return;
        }
        const auto place = placeCoreset0(**table.value, *given_.coreset0, drawn.pointAKhz, offsets,
                                         grid, bandwidth);
        if (!place.value) {
            problem(kCoreset0, text(*given_.coreset0), indexRangesText(fitting), place.problem);
            return;
        }
        check_.cell.coreset0 = place.value->band;
        check_.cell.coreset0Inside = std::ranges::find(fitting, *given_.coreset0) != fitting.end();
        if (!check_.cell.coreset0Inside) {
            const std::string why = "CORESET#0 " + text(*given_.coreset0) + " of TS 38.213 Table " +
                                    std::string((*table.value)->name) +
                                    " lies outside the carrier's resource blocks";
            problem(kCoreset0, text(*given_.coreset0), indexRangesText(fitting), why);
            const HzSpan occupied = place.value->band;
            if (const auto offset = nearestOffset(drawn, [&](const Drawn& d) {
                    return d.transmission().holds(occupied) &&
                           (!check_.cell.ssb || d.transmission().holds(*check_.cell.ssb));
                })) {
                problem(kOffsetToCarrier, text(given_.offsetToCarrier), text(*offset), why);
            }
        }
        searchSpace(place.value, scs);
    }

    void searchSpace(const std::optional<Coreset0Place>& coreset, std::int32_t scs) {
        if (!given_.searchSpaceZero) {
            return;
        }
        const int index = *given_.searchSpaceZero;
        if (!coreset) {
            if (index < 0 || index > 15) {
                problem(kSearchSpaceZero, text(index), "0-15", "searchSpaceZero is 0 to 15");
            }
            return;
        }
        const auto search = type0Search(*coreset, scs, casePattern(scs), 1, index);
        if (!search.value) {
            problem(kSearchSpaceZero, text(index), coreset->row.pattern == 1 ? "" : "0",
                    search.problem);
        }
    }

    char casePattern(std::int32_t scs) const {
        for (const auto& range : given_.band.plan<ArfcnPlan>()->gscn) {
            if (range.scsKhz == scs) {
                return range.pattern;
            }
        }
        return 'A';
    }

    void initialBwp(const Drawn& drawn) {
        if (!given_.bwpLocationAndBandwidth) {
            return;
        }
        const auto blocks = bwpBlocks(*given_.bwpLocationAndBandwidth);
        if (!blocks || blocks->start + blocks->length > drawn.resourceBlocks) {
            problem(kBwp, text(*given_.bwpLocationAndBandwidth),
                    text(locationAndBandwidth(0, drawn.resourceBlocks)),
                    blocks ? "the bandwidth part's blocks " + text(blocks->start) + " to " +
                                 text(blocks->start + blocks->length - 1) + " pass the carrier's " +
                                 text(drawn.resourceBlocks)
                           : "no start and length give this locationAndBandwidth");
        }
    }

    void uplink() {
        if (!given_.uplinkPointA && !given_.uplinkCarrierBandwidth) {
            return;
        }
        const auto* plan = given_.band.plan<ArfcnPlan>();
        if (plan->duplex != Duplex::Fdd || !given_.uplinkPointA || !given_.uplinkCarrierBandwidth) {
            return;
        }
        const auto scs = given_.uplinkScsKhz.value_or(given_.scsKhz.value_or(15));
        const auto at = allowedAt(scs);
        const auto found = std::ranges::find(at, std::optional<int>(*given_.uplinkCarrierBandwidth),
                                             &AllowedBandwidth::resourceBlocks);
        if (found == at.end()) {
            std::vector<std::int32_t> counts;
            counts.reserve(at.size());
            for (const auto& allowed : at) {
                counts.push_back(*allowed.resourceBlocks);
            }
            problem(kUplinkCarrierBandwidth, text(*given_.uplinkCarrierBandwidth), listText(counts),
                    "no channel bandwidth " + fullName(given_.band) + " allows at " + text(scs) +
                        " kHz has " + text(*given_.uplinkCarrierBandwidth) + " resource blocks");
            return;
        }
        const Drawn drawn{{found->bandwidthKhz, scs, given_.uplinkOffsetToCarrier},
                          *given_.uplinkCarrierBandwidth,
                          nrArfcnKhz(static_cast<Channel>(*given_.uplinkPointA))};
        const auto channel = nrArfcnAt(drawn.centreKhz());
        const auto carrier =
            channel ? carrierAt(given_.band, *channel, drawn.shape) : Reading<BandwidthCarrier>{};
        const bool fits = carrier.value && carrier.value->uplink &&
                          carrier.value->uplink->centreKhz == drawn.centreKhz();
        if (!fits) {
            problem(kUplinkPointA, text(*given_.uplinkPointA), expectedUplinkPointA(drawn),
                    carrier.value ? "the uplink carrier is no uplink of this band's carriers"
                    : channel     ? carrier.problem
                                  : "the uplink carrier's centre is off the NR global raster");
        }
    }

    // The uplink Point A of the downlink carrier's pair, with the uplink's own shape; where the
    // downlink is no valid carrier, of the valid carrier whose uplink lies nearest the given one.
    std::string expectedUplinkPointA(const Drawn& uplink) const {
        std::optional<Channel> downlink;
        if (carrierValid_ && check_.cell.channel) {
            downlink = nrArfcnAt((check_.cell.channel->lowHz + check_.cell.channel->highHz) / 2000);
        } else {
            const auto valid = carrierChannels(given_.band, uplink.shape);
            const auto duplex = given_.band.plan<ArfcnPlan>()->duplexKhz;
            downlink = valid.empty() ? std::nullopt
                                     : valid.nearest(nrArfcnBelow(uplink.centreKhz() + duplex));
        }
        const auto carrier =
            downlink ? carrierAt(given_.band, *downlink, uplink.shape).value : std::nullopt;
        if (!carrier || !carrier->uplink || !carrier->uplink->pointAKhz) {
            return "";
        }
        const auto arfcn = nrArfcnAt(*carrier->uplink->pointAKhz);
        return arfcn ? text(*arfcn) : "";
    }

    const GivenCell& given_;
    CellCheck check_;
    ChannelSet valid_;
    bool carrierValid_ = false;
};

}  // namespace

CellCheck checkCell(const GivenCell& given) {
    return Checker(given).run();
}

}  // namespace tarnvale

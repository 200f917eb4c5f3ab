#include "engine/carrier.h"

#include <algorithm>
#include <string>

#include "engine/arfcn_plan.h"
#include "engine/channel_list.h"
#include "engine/nr_raster.h"
#include "engine/number_text.h"
#include "engine/subcarriers.h"

namespace tarnvale {
namespace {

// "a, b and c".
std::string listed(const std::vector<std::string>& texts) {
    std::string text;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        text += i == 0 ? "" : i + 1 == texts.size() ? " and " : ", ";
        text += texts[i];
    }
    return text;
}

// "5, 10 and 20 MHz".
std::string bandwidthsText(BandwidthSet set) {
    std::vector<std::string> texts;
    set.forEach([&texts](std::int32_t khz) { texts.push_back(megahertzText(khz)); });
    return listed(texts) + " MHz";
}

BandwidthSet everyBandwidth(const ArfcnPlan& plan) {
    BandwidthSet all;
    for (const auto& entry : plan.bandwidths) {
        entry.bandwidths.forEach([&all](std::int32_t khz) { all = all.with(khz); });
    }
    return all;
}

const SpacingBandwidths* spacingEntry(const ArfcnPlan& plan, std::int32_t scsKhz) {
    const auto found = std::ranges::find(plan.bandwidths, scsKhz, &SpacingBandwidths::scsKhz);
    return found == plan.bandwidths.end() ? nullptr : &*found;
}

bool isFr2(const ArfcnPlan& plan) {
    const auto& runs = listedRuns(plan);
    return !runs.empty() && runs.front().firstKhz >= kFr2LowKhz;
}

// The channel raster of a spacing: 15 kHz carriers take a band's 15 kHz raster, 30 and 60 kHz
// ones its 30 kHz raster in FR1 (TS 38.101-1 clause 5.4.2.3); FR2 carriers the raster of
// their spacing. A 100 kHz raster, and the 10 kHz one beside it, serve every spacing.
bool rasterServes(const CarrierRun& run, std::int32_t scsKhz, bool fr2) {
    if (run.rasterKhz == 100 || run.rasterKhz == 10 || run.rasterKhz == 0) {
        return true;
    }
    return run.rasterKhz == (fr2 ? scsKhz : std::min<std::int32_t>(scsKhz, 30));
}

// The runs a carrier of the shape may be centred on; a band without a raster of its spacing
// (n46, n47, n96, n102 have only 15 kHz) serves every spacing from its own.
InlineList<const CarrierRun*, 6> eligibleRuns(const ArfcnPlan& plan, const CarrierShape& shape) {
    const bool fr2 = isFr2(plan);
    InlineList<const CarrierRun*, 6> eligible;
    bool anyServes = false;
    for (const auto& run : listedRuns(plan)) {
        anyServes |= rasterServes(run, shape.scsKhz, fr2);
    }
    for (const auto& run : listedRuns(plan)) {
        if (!anyServes || rasterServes(run, shape.scsKhz, fr2)) {
            eligible.push(&run);
        }
    }
    return eligible;
}

// The listed direction's edges: the downlink's, or an SUL band's uplink.
std::pair<std::int64_t, std::int64_t> listedEdges(const ArfcnPlan& plan) {
    if (plan.duplex == Duplex::Sul) {
        return {plan.edges.uplinkLowKhz, plan.edges.uplinkHighKhz};
    }
    return {plan.edges.downlinkLowKhz, plan.edges.downlinkHighKhz};
}

// The part of a run whose carriers lie in [lowKhz, highKhz].
std::optional<ChannelRun> clipped(const CarrierRun& run, std::int64_t lowKhz,
                                  std::int64_t highKhz) {
    const std::int64_t perPlace = run.khzPerNumber * run.numbers.step;
    const std::int64_t places = static_cast<std::int64_t>(run.numbers.count());
    const std::int64_t below = lowKhz - run.firstKhz;
    const std::int64_t from = below <= 0 ? 0 : (below + perPlace - 1) / perPlace;
    const std::int64_t above = highKhz - run.firstKhz;
    if (above < 0) {
        return std::nullopt;
    }
    const std::int64_t to = std::min(places - 1, above / perPlace);
    if (from > to) {
        return std::nullopt;
    }
    return ChannelRun{run.numbers.at(static_cast<std::size_t>(from)), run.numbers.step,
                      run.numbers.at(static_cast<std::size_t>(to))};
}

const BandwidthChannels* listedForBandwidth(const ArfcnPlan& plan, std::int32_t bandwidthKhz) {
    const auto found = std::ranges::find(plan.channelsPerBandwidth, bandwidthKhz,
                                         &BandwidthChannels::bandwidthKhz);
    return found == plan.channelsPerBandwidth.end() ? nullptr : &*found;
}

ChannelSet channelsOf(const ArfcnPlan& plan, const CarrierShape& shape) {
    if (!plan.channelsPerBandwidth.empty()) {
        const auto* listed = listedForBandwidth(plan, shape.bandwidthKhz);
        return listed != nullptr ? ChannelSet(listed->downlink) : ChannelSet();
    }
    const auto [low, high] = listedEdges(plan);
    const std::int64_t half = shape.bandwidthKhz / 2;
    InlineList<ChannelRun, 6> runs;
    for (const auto* run : eligibleRuns(plan, shape)) {
        if (const auto part = clipped(*run, low + half, high - half)) {
            runs.push(*part);
        }
    }
    return ChannelSet(runs);
}

CarrierSide sideAt(const CarrierRuns& runs, Channel channel, const CarrierShape& shape,
                   std::optional<int> resourceBlocks, bool nr) {
    const std::int64_t centre = *carrierKhz(runs, channel);
    const std::int64_t half = shape.bandwidthKhz / 2;
    CarrierSide side{channel, centre, centre - half, centre + half, std::nullopt};
    if (nr) {
        side.pointAKhz = pointAKhz(lowestSubcarrierKhz(centre, *resourceBlocks, shape.scsKhz),
                                   shape.offsetToCarrier, shape.scsKhz);
    }
    return side;
}

bool fitsUplink(const ArfcnPlan& plan, const CarrierSide& side) {
    return side.lowEdgeKhz >= plan.edges.uplinkLowKhz &&
           side.highEdgeKhz <= plan.edges.uplinkHighKhz;
}

// The number a carrier is listed by: the channel itself, or an FDD uplink channel's downlink
// pair.
Reading<Channel> listedNumber(BandRef band, const ArfcnPlan& plan, Channel channel) {
    if (carrierKhz(listedRuns(plan), channel)) {
        return {channel, {}};
    }
    if (plan.duplex == Duplex::Fdd && carrierKhz(plan.uplink, channel)) {
        if (const auto downlink = downlinkOf(plan, channel)) {
            return {downlink, {}};
        }
        return {std::nullopt, "uplink channel " + channelText(channel) + " of " + fullName(band) +
                                  " has no downlink pair, and a carrier needs its downlink"};
    }
    const auto& e = plan.edges;
    const std::int64_t khz = band.format() == Format::Nr ? nrArfcnKhz(channel) : -1;
    if ((khz >= e.downlinkLowKhz && khz <= e.downlinkHighKhz) ||
        (khz >= e.uplinkLowKhz && khz <= e.uplinkHighKhz)) {
        return {std::nullopt, "channel " + channelText(channel) + " (" +
                                  frequencyText(static_cast<double>(khz) / 1000, ".") +
                                  " MHz) is off " + fullName(band) + "'s channel raster (" +
                                  validChannelText(band) + ")"};
    }
    return {std::nullopt, "channel " + channelText(channel) + " is not in " + fullName(band)};
}

std::string rasterText(const ArfcnPlan& plan, const CarrierShape& shape) {
    std::string text;
    for (const auto* run : eligibleRuns(plan, shape)) {
        text += text.empty() ? "" : ", ";
        text += channelText(run->numbers.first) + "-" + channelText(run->numbers.last);
        if (run->numbers.step != 1) {
            text += " [step " + channelText(run->numbers.step) + "]";
        }
    }
    return text;
}

std::string centreText(std::int64_t khz, Channel channel) {
    return "the nearest valid centre is " + frequencyText(static_cast<double>(khz) / 1000.0, ".") +
           " MHz, channel " + channelText(channel);
}

std::string nearestText(const ChannelSet& valid, const ArfcnPlan& plan, Channel channel) {
    const auto nearest = valid.nearest(channel);
    return centreText(*carrierKhz(listedRuns(plan), *nearest), *nearest);
}

// Near an NR FDD uplink frequency off the raster, the uplink of the valid carrier nearest its
// downlink twin is the neighbour to name.
std::string nearestFromText(const ChannelSet& valid, const ArfcnPlan& plan, BandRef band,
                            Channel channel) {
    const std::int64_t khz = nrArfcnKhz(channel);
    const bool uplinkSide = band.format() == Format::Nr && plan.duplex == Duplex::Fdd &&
                            khz >= plan.edges.uplinkLowKhz && khz <= plan.edges.uplinkHighKhz;
    if (uplinkSide) {
        const auto nearest = valid.nearest(nrArfcnBelow(khz + plan.duplexKhz));
        if (const auto uplink = uplinkOf(plan, *nearest)) {
            return centreText(*carrierKhz(plan.uplink, *uplink), *uplink);
        }
    }
    return nearestText(valid, plan, channel);
}

// Why a listed channel of the band is no valid carrier of the shape.
std::string whyNot(BandRef band, const ArfcnPlan& plan, Channel channel, const CarrierShape& shape,
                   const ChannelSet& valid) {
    const std::string size = megahertzText(shape.bandwidthKhz) + " MHz";
    if (valid.empty()) {
        return noValidChannelText(band, shape);
    }
    if (const auto* listed = listedForBandwidth(plan, shape.bandwidthKhz)) {
        return "channel " + channelText(channel) + " is not one " + fullName(band) +
               " allows for " + size + " channels; " +
               nearestText(ChannelSet(listed->downlink), plan, channel);
    }
    const bool onEligible = std::ranges::any_of(
        eligibleRuns(plan, shape),
        [channel](const CarrierRun* run) { return run->numbers.holds(channel); });
    if (!onEligible) {
        return "channel " + channelText(channel) + " is off " + fullName(band) + "'s " +
               channelText(shape.scsKhz) + " kHz channel raster (" + rasterText(plan, shape) +
               "); " + nearestText(valid, plan, channel);
    }
    const auto [low, high] = listedEdges(plan);
    const std::int64_t centre = *carrierKhz(listedRuns(plan), channel);
    const bool belowLow = centre - shape.bandwidthKhz / 2 < low;
    const std::string direction = plan.duplex == Duplex::Sul ? "uplink" : "downlink";
    return "a " + size + " carrier at channel " + channelText(channel) + " (" +
           frequencyText(static_cast<double>(centre) / 1000.0, ".") + " MHz) crosses " +
           fullName(band) + "'s " + (belowLow ? "lower " : "upper ") + direction + " edge (" +
           megahertzText(belowLow ? low : high) + " MHz); " + nearestText(valid, plan, channel);
}

BandwidthCarrier carrierOf(BandRef band, const ArfcnPlan& plan, Channel listed,
                           const CarrierShape& shape) {
    const auto kind = carrierKind(band);
    const auto blocks =
        kind ? resourceBlocks(*kind, shape.scsKhz, shape.bandwidthKhz) : std::nullopt;
    const bool nr = band.format() == Format::Nr;
    BandwidthCarrier carrier{band, shape, blocks, std::nullopt, std::nullopt};
    if (plan.duplex == Duplex::Sul) {
        carrier.uplink = sideAt(plan.uplink, listed, shape, blocks, nr);
        return carrier;
    }
    carrier.downlink = sideAt(plan.downlink, listed, shape, blocks, nr);
    if (plan.duplex != Duplex::Fdd) {
        return carrier;
    }
    if (const auto uplink = uplinkOf(plan, listed)) {
        const auto side = sideAt(plan.uplink, *uplink, shape, blocks, nr);
        // UMTS edge channels lie 2.4 MHz inside their band: every one is a whole carrier.
        if (band.format() == Format::Umts || fitsUplink(plan, side)) {
            carrier.uplink = side;
        }
    }
    return carrier;
}

Reading<CarrierShape> umtsShape(std::int32_t bandwidthKhz, std::optional<std::int32_t> scsKhz) {
    if (bandwidthKhz != kUmtsBandwidthKhz) {
        return {std::nullopt, "UMTS carriers are 5 MHz wide"};
    }
    if (scsKhz) {
        return {std::nullopt, "UMTS carriers have no subcarrier spacing"};
    }
    return {CarrierShape{kUmtsBandwidthKhz, 0, 0}, {}};
}

}  // namespace

std::string noBandwidthText(BandRef band) {
    return fullName(band) + " has no channel bandwidth in " +
           (band.format() == Format::Lte ? "TS 36.101 Table 5.6.1-1" : "TS 38.101-1 Table 5.3.5-1");
}

std::string noValidChannelText(BandRef band, const CarrierShape& shape) {
    const auto* plan = band.plan<ArfcnPlan>();
    if (plan == nullptr) {
        return fullName(band) + " has no channel bandwidths";
    }
    const auto [low, high] = listedEdges(*plan);
    return "no " + megahertzText(shape.bandwidthKhz) + " MHz carrier fits " + fullName(band) +
           " (" + megahertzText(low) + " to " + megahertzText(high) + " MHz)";
}

std::optional<CarrierKind> carrierKind(BandRef band) {
    const auto* plan = band.plan<ArfcnPlan>();
    if (plan == nullptr || band.format() == Format::Umts) {
        return std::nullopt;
    }
    if (band.format() == Format::Lte) {
        return CarrierKind::Lte;
    }
    return isFr2(*plan) ? CarrierKind::NrFr2 : CarrierKind::NrFr1;
}

std::vector<AllowedBandwidth> allowedBandwidths(BandRef band) {
    std::vector<AllowedBandwidth> allowed;
    const auto* plan = band.plan<ArfcnPlan>();
    if (plan == nullptr) {
        return allowed;
    }
    if (band.format() == Format::Umts) {
        allowed.push_back({band, 0, kUmtsBandwidthKhz, std::nullopt, std::nullopt});
        return allowed;
    }
    const auto kind = *carrierKind(band);
    auto spacings =
        std::vector<SpacingBandwidths>(plan->bandwidths.begin(), plan->bandwidths.end());
    std::ranges::sort(spacings, {}, &SpacingBandwidths::scsKhz);
    for (const auto& entry : spacings) {
        entry.bandwidths.forEach([&](std::int32_t khz) {
            // A bandwidth wider than the direction a carrier is listed by (n91's and n93's
            // 5 MHz downlinks) makes no carrier here.
            if (channelsOf(*plan, {khz, entry.scsKhz, 0}).empty()) {
                return;
            }
            const auto blocks = resourceBlocks(kind, entry.scsKhz, khz);
            const auto guard =
                kind != CarrierKind::Lte && blocks
                    ? std::optional<std::int64_t>(minimumGuardHz(khz, *blocks, entry.scsKhz))
                    : std::nullopt;
            allowed.push_back({band, entry.scsKhz, khz, blocks, guard});
        });
    }
    return allowed;
}

Reading<CarrierShape> carrierShape(BandRef band, std::int32_t bandwidthKhz,
                                   std::optional<std::int32_t> scsKhz,
                                   std::int32_t offsetToCarrier) {
    const auto* plan = band.plan<ArfcnPlan>();
    if (plan == nullptr) {
        return {std::nullopt, fullName(band) + " has no channel bandwidths: it is a " +
                                  std::string(band.formatName()) + " band"};
    }
    if (band.format() == Format::Umts) {
        return umtsShape(bandwidthKhz, scsKhz);
    }
    if (plan->bandwidths.empty()) {
        return {std::nullopt, noBandwidthText(band)};
    }
    if (offsetToCarrier < 0 || offsetToCarrier > kLargestOffsetToCarrier ||
        (offsetToCarrier != 0 && band.format() != Format::Nr)) {
        return {std::nullopt, band.format() == Format::Nr
                                  ? "the offset to carrier is 0 to " +
                                        channelText(kLargestOffsetToCarrier) + " resource blocks"
                                  : "only NR carriers have an offset to carrier"};
    }
    const auto all = everyBandwidth(*plan);
    if (!all.holds(bandwidthKhz)) {
        return {std::nullopt, fullName(band) + " has no " + megahertzText(bandwidthKhz) +
                                  " MHz channel; it allows " + bandwidthsText(all)};
    }
    if (scsKhz) {
        const auto* entry = spacingEntry(*plan, *scsKhz);
        if (entry == nullptr || !entry->bandwidths.holds(bandwidthKhz)) {
            std::vector<std::string> spacings;
            for (const auto& each : plan->bandwidths) {
                if (each.bandwidths.holds(bandwidthKhz)) {
                    spacings.push_back(channelText(each.scsKhz));
                }
            }
            return {std::nullopt, fullName(band) + " allows no " + channelText(*scsKhz) +
                                      " kHz subcarriers with a " + megahertzText(bandwidthKhz) +
                                      " MHz channel; it allows " + listed(spacings) + " kHz"};
        }
        return {CarrierShape{bandwidthKhz, *scsKhz, offsetToCarrier}, {}};
    }
    std::int32_t smallest = 0;
    for (const auto& entry : plan->bandwidths) {
        if (entry.bandwidths.holds(bandwidthKhz) && (smallest == 0 || entry.scsKhz < smallest)) {
            smallest = entry.scsKhz;
        }
    }
    return {CarrierShape{bandwidthKhz, smallest, offsetToCarrier}, {}};
}

ChannelSet carrierChannels(BandRef band, const CarrierShape& shape) {
    const auto* plan = band.plan<ArfcnPlan>();
    if (plan == nullptr) {
        return {};
    }
    if (band.format() == Format::Umts) {
        return ChannelSet(numbersOf(listedRuns(*plan)));
    }
    return channelsOf(*plan, shape);
}

Reading<CarrierFromPointA> carrierFromPointA(BandRef band, Channel pointA, int resourceBlocks,
                                             std::int32_t scsKhz, std::int32_t offsetToCarrier) {
    const auto allowed = allowedBandwidths(band);
    const auto found = std::ranges::find_if(allowed, [&](const AllowedBandwidth& a) {
        return a.scsKhz == scsKhz && a.resourceBlocks == resourceBlocks;
    });
    if (band.format() != Format::Nr || found == allowed.end()) {
        return {std::nullopt, "no channel bandwidth " + fullName(band) + " allows at " +
                                  channelText(scsKhz) + " kHz has " + channelText(resourceBlocks) +
                                  " resource blocks"};
    }
    const CarrierShape shape{found->bandwidthKhz, scsKhz, offsetToCarrier};
    const std::int64_t pointAKhz = nrArfcnKhz(pointA);
    const std::int64_t centre = pointAKhz + 12 * std::int64_t{offsetToCarrier} * scsKhz +
                                6 * std::int64_t{resourceBlocks} * scsKhz;
    const auto channel = nrArfcnAt(centre);
    if (channel) {
        auto valid = carrierAt(band, *channel, shape);
        if (valid.value && listedSide(*valid.value).centreKhz == centre) {
            return {CarrierFromPointA{*valid.value, {}}, {}};
        }
        if (!valid.value) {
            const std::int64_t half = shape.bandwidthKhz / 2;
            BandwidthCarrier carrier{
                band, shape, resourceBlocks,
                CarrierSide{*channel, centre, centre - half, centre + half, pointAKhz},
                std::nullopt};
            return {CarrierFromPointA{carrier, valid.problem}, {}};
        }
    }
    return {std::nullopt, "the carrier's centre, " +
                              frequencyText(static_cast<double>(centre) / 1000, ".") +
                              " MHz, is no downlink channel of " + fullName(band)};
}

std::optional<CarrierShape> narrowestShapeAt(
    BandRef band, Channel channel, const std::function<bool(const BandwidthCarrier&)>& wanted) {
    auto allowed = allowedBandwidths(band);
    std::ranges::stable_sort(allowed, {}, &AllowedBandwidth::bandwidthKhz);
    for (const auto& each : allowed) {
        const CarrierShape shape{each.bandwidthKhz, each.scsKhz, 0};
        const auto carrier = carrierAt(band, channel, shape).value;
        if (carrier && (!wanted || wanted(*carrier))) {
            return shape;
        }
    }
    return std::nullopt;
}

std::optional<KhzSpan> bandExtent(BandRef band, Direction direction) {
    const auto* plan = band.plan<ArfcnPlan>();
    if (plan == nullptr) {
        return std::nullopt;
    }
    const bool down = direction == Direction::Downlink;
    const auto& runs = down ? plan->downlink : plan->uplink;
    if (runs.empty()) {
        return std::nullopt;
    }
    const auto& e = plan->edges;
    return down ? KhzSpan{e.downlinkLowKhz, e.downlinkHighKhz}
                : KhzSpan{e.uplinkLowKhz, e.uplinkHighKhz};
}

const CarrierSide& listedSide(const BandwidthCarrier& carrier) {
    return carrier.downlink ? *carrier.downlink : *carrier.uplink;
}

Reading<BandwidthCarrier> carrierAt(BandRef band, Channel channel, const CarrierShape& shape) {
    const auto* plan = band.plan<ArfcnPlan>();
    if (plan == nullptr) {
        return {std::nullopt, fullName(band) + " has no channel bandwidths"};
    }
    const auto listed = listedNumber(band, *plan, channel);
    const auto valid = carrierChannels(band, shape);
    if (!listed.value) {
        return {std::nullopt, valid.empty() ? listed.problem
                                            : listed.problem + "; " +
                                                  nearestFromText(valid, *plan, band, channel)};
    }
    if (!valid.contains(*listed.value)) {
        return {std::nullopt, whyNot(band, *plan, *listed.value, shape, valid)};
    }
    auto carrier = carrierOf(band, *plan, *listed.value, shape);
    const auto& side = listedSide(carrier);
    if (side.pointAKhz && *side.pointAKhz < 0) {
        return {std::nullopt, "an offset to carrier of " + channelText(shape.offsetToCarrier) +
                                  " resource blocks puts Point A below 0 MHz"};
    }
    return {carrier, {}};
}

}  // namespace tarnvale

#include "engine/lookup.h"

#include <algorithm>
#include <cstdint>

#include "engine/arfcn_plan.h"
#include "engine/band_table.h"
#include "engine/channel_list.h"
#include "engine/conversion.h"
#include "engine/number_text.h"

namespace tarnvale {
namespace {

// The lowest and highest number a band answers to in either direction. A lookup asks only the
// few bands whose span holds the number: a batch of a million numbers would otherwise ask every
// band a million times.
struct NumberSpan {
    Channel low = 0;
    Channel high = -1;

    void add(Channel from, Channel to) {
        low = high < low ? from : std::min(low, from);
        high = std::max(high, to);
    }
    bool holds(Channel n) const { return n >= low && n <= high; }
};

NumberSpan spanOf(const ClassicPlan& plan) {
    NumberSpan span;
    for (const auto& run : plan.list) {
        span.add(run.first, run.last);
    }
    if (plan.pairing) {
        // A WCDMA downlink number names its listed uplink channel too.
        const auto [low, high] = std::minmax(plan.pairing->offset, plan.pairing->offsetAbove);
        span.add(span.low + low, span.high + high);
    }
    return span;
}

NumberSpan spanOf(const ArfcnPlan& plan) {
    NumberSpan span;
    for (const auto* runs : {&plan.downlink, &plan.uplink}) {
        for (const auto& run : *runs) {
            span.add(run.numbers.first, run.numbers.last);
        }
    }
    return span;
}

// The bands whose span reaches into each block of numbers, by catalogue index, so a number is
// checked against the two or three bands near it rather than against all of them.
class SpanIndex {
  public:
    SpanIndex() {
        for (const BandRef band : bandTable()) {
            const auto span = band.visitPlan([](const auto& plan) { return spanOf(plan); });
            const auto index = static_cast<std::uint16_t>(spans_.size());
            spans_.push_back(span);
            if (span.high < span.low) {
                continue;
            }
            blocks_.resize(std::max(blocks_.size(), blockOf(span.high) + 1));
            for (std::size_t block = blockOf(span.low); block <= blockOf(span.high); ++block) {
                blocks_[block].push_back(index);
            }
        }
    }

    // Calls visit(band) for each band of `bands`, a run of the catalogue, whose span holds the
    // number, in catalogue order.
    template <typename Visit>
    void forEachNear(Channel number, std::span<const BandRef> bands, Visit visit) const {
        if (number < 0 || blockOf(number) >= blocks_.size() || bands.empty()) {
            return;
        }
        const std::size_t first = bands.front().catalogueIndex();
        for (const std::uint16_t index : blocks_[blockOf(number)]) {
            if (index >= first && index < first + bands.size() && spans_[index].holds(number)) {
                visit(bands[index - first]);
            }
        }
    }

    Channel highest(std::span<const BandRef> bands) const {
        Channel highest = -1;
        for (const BandRef band : bands) {
            highest = std::max(highest, spans_[band.catalogueIndex()].high);
        }
        return highest;
    }

  private:
    static std::size_t blockOf(Channel number) { return static_cast<std::size_t>(number) >> 12; }

    std::vector<NumberSpan> spans_;
    std::vector<std::vector<std::uint16_t>> blocks_;
};

const SpanIndex& spanIndex() {
    static const SpanIndex index;
    return index;
}

// A WCDMA downlink number is a downlink channel, as lookup and convert read it.
std::optional<NumberCarrier> carrierOf(BandRef band, const ClassicPlan& plan, Channel number,
                                       DirectionChoice choice) {
    if (!channelIndex(band, number)) {
        const auto uplinks = pairedUplinkChannels(band, plan, number);
        if (uplinks.empty() || choice == DirectionChoice::Uplink) {
            return std::nullopt;
        }
        return NumberCarrier{band,
                             Direction::Downlink,
                             {convertChannel(plan, uplinks.front()).forward, std::nullopt}};
    }
    const auto converted = convertChannel(plan, number);
    if (choice == DirectionChoice::Uplink) {
        return NumberCarrier{band, Direction::Uplink, {converted.reverse, std::nullopt}};
    }
    return NumberCarrier{band, Direction::Downlink, {converted.forward, std::nullopt}};
}

std::optional<NumberCarrier> carrierOf(BandRef band, const ArfcnPlan& plan, Channel number,
                                       DirectionChoice choice) {
    const auto inDirection = [&](Direction direction) -> std::optional<NumberCarrier> {
        const auto& runs = direction == Direction::Downlink ? plan.downlink : plan.uplink;
        const auto khz = carrierKhz(runs, number);
        if (!khz) {
            return std::nullopt;
        }
        return NumberCarrier{band, direction, {static_cast<double>(*khz) / 1000.0, khz}};
    };
    if (choice == DirectionChoice::Uplink) {
        return inDirection(Direction::Uplink);
    }
    const auto downlink = inDirection(Direction::Downlink);
    return downlink || choice == DirectionChoice::Downlink ? downlink
                                                           : inDirection(Direction::Uplink);
}

}  // namespace

std::vector<ChannelRecord> lookupChannel(Channel number, std::optional<Format> format) {
    std::vector<ChannelRecord> found;
    spanIndex().forEachNear(number, format ? bandsOf(*format) : bandTable(), [&](BandRef band) {
        const auto records = channelRecords(band, number);
        found.insert(found.end(), records.begin(), records.end());
    });
    return found;
}

Channel highestNumber(Format format) {
    return spanIndex().highest(bandsOf(format));
}

std::string noBandHasChannelText(Channel number, std::optional<Format> format) {
    const std::string bands =
        format ? "no " + std::string(formatName(*format)) + " band" : "no band of any format";
    return bands + " has channel " + channelText(number);
}

std::vector<NumberCarrier> numberCarriers(Channel number, std::span<const BandRef> bands,
                                          DirectionChoice choice) {
    std::vector<NumberCarrier> found;
    spanIndex().forEachNear(number, bands, [&](BandRef band) {
        const auto carrier =
            band.visitPlan([&](const auto& plan) { return carrierOf(band, plan, number, choice); });
        if (carrier) {
            found.push_back(*carrier);
        }
    });
    return found;
}

}  // namespace tarnvale

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "engine/arfcn_plan.h"
#include "engine/band_table.h"
#include "engine/carrier_search.h"
#include "engine/channel_record.h"

// Self-checks over every row of every band: what one question answers, the other finds again,
// and every number the engine accepts is a row of the band's table.
namespace tarnvale {
namespace {

class EveryBand : public ::testing::TestWithParam<Format> {};

std::string nameOf(BandRef band) {
    return std::string(band.formatName()) + " " + std::string(band.name());
}

// The number a carrier of the record goes by in its direction.
Channel numberOf(const ChannelRecord& r, Direction direction) {
    if (r.band.plan<ClassicPlan>() != nullptr) {
        return r.channel;
    }
    return direction == Direction::Downlink ? *r.downlinkChannel : *r.uplinkChannel;
}

bool finds(const ChannelRecord& r, Direction direction) {
    const auto& carrier = direction == Direction::Downlink ? r.downlinkCarrier : r.uplinkCarrier;
    // A TDD channel's one carrier is found as a forward carrier.
    const auto asked = r.band.duplex() == Duplex::Tdd && r.band.plan<ArfcnPlan>() != nullptr
                           ? Direction::Downlink
                           : direction;
    for (const auto& m : findCarriersInBand(r.band, carrier->mhz, 0)) {
        if (m.channel == numberOf(r, direction) && m.direction == asked &&
            (direction == Direction::Uplink || !r.index || m.index == *r.index)) {
            return true;
        }
    }
    return false;
}

bool holds(const std::vector<ChannelRecord>& records, const ChannelRecord& r) {
    for (const auto& other : records) {
        if (other.channel == r.channel && other.downlinkChannel == r.downlinkChannel &&
            other.uplinkChannel == r.uplinkChannel && other.index == r.index) {
            return true;
        }
    }
    return false;
}

TEST_P(EveryBand, FindAndLookupGiveBackEveryChannel) {
    for (const BandRef band : bandsOf(GetParam())) {
        int failures = 0;
        forEachChannelRecord(band, [&](const ChannelRecord& r) {
            const bool found = (!r.downlinkCarrier || finds(r, Direction::Downlink)) &&
                               (!r.uplinkCarrier || finds(r, Direction::Uplink));
            const bool lookedUp =
                holds(channelRecords(band, r.channel), r) &&
                (!r.uplinkChannel || holds(channelRecords(band, *r.uplinkChannel), r) ||
                 r.band.plan<ClassicPlan>() != nullptr);
            if ((!found || !lookedUp) && ++failures <= 3) {
                ADD_FAILURE() << nameOf(band) << " channel " << r.channel
                              << (found ? "" : ": find misses a carrier")
                              << (lookedUp ? "" : ": lookup misses it");
            }
        });
    }
}

// Every number whose records the engine gives lies in a span of the band's runs, or is the
// downlink number of a WCDMA pair.
std::vector<ChannelRun> spansOf(BandRef band) {
    std::vector<ChannelRun> spans;
    const auto span = [&spans](Channel first, Channel last) { spans.push_back({first, 1, last}); };
    if (const auto* plan = band.plan<ClassicPlan>()) {
        for (const auto& run : plan->list) {
            span(run.first, run.last);
            if (plan->pairing) {
                span(run.first + plan->pairing->offset, run.last + plan->pairing->offsetAbove);
            }
        }
        return spans;
    }
    const auto& plan = *band.plan<ArfcnPlan>();
    for (const auto* runs : {&plan.downlink, &plan.uplink}) {
        for (const auto& run : *runs) {
            span(run.numbers.first, run.numbers.last);
        }
    }
    return spans;
}

TEST_P(EveryBand, CountsAgreeAndEveryAcceptedNumberIsARowOfTheTable) {
    for (const BandRef band : bandsOf(GetParam())) {
        using Key = std::tuple<Channel, std::optional<Channel>, std::optional<Channel>>;
        std::set<Key> table;
        std::size_t rows = 0;
        forEachChannelRecord(band, [&](const ChannelRecord& r) {
            table.insert({r.channel, r.downlinkChannel, r.uplinkChannel});
            ++rows;
        });
        EXPECT_EQ(recordCount(band), rows) << nameOf(band);
        EXPECT_EQ(table.size(), rows) << nameOf(band) << ": a channel is listed twice";
        int missing = 0;
        for (const auto& span : spansOf(band)) {
            for (Channel n = span.first; n <= span.last; ++n) {
                for (const auto& r : channelRecords(band, n)) {
                    if (!table.contains({r.channel, r.downlinkChannel, r.uplinkChannel}) &&
                        ++missing <= 3) {
                        ADD_FAILURE() << nameOf(band) << ": " << n << " is not in the table";
                    }
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, EveryBand, ::testing::ValuesIn(kFormats), [](const auto& info) {
    std::string name(formatName(info.param));
    std::erase(name, '-');
    return name;
});

}  // namespace
}  // namespace tarnvale

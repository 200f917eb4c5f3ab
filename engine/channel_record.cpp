#include "engine/channel_record.h"

#include "engine/arfcn_plan.h"
#include "engine/channel_list.h"
#include "engine/conversion.h"
#include "engine/run_union.h"

namespace tarnvale {
namespace {

std::optional<Carrier> carrier(std::optional<std::int64_t> khz) {
    return khz ? std::optional<Carrier>({static_cast<double>(*khz) / 1000.0, khz}) : std::nullopt;
}

ChannelRecord recordOf(BandRef band, const ClassicPlan& plan, std::size_t index, Channel channel) {
    const auto c = convertChannel(plan, channel);
    const auto downlink = pairedDownlinkChannel(plan, channel);
    return {band,
            index,
            channel,
            Carrier{c.forward, std::nullopt},
            Carrier{c.reverse, std::nullopt},
            c.forward - c.reverse,
            c.spacing,
            downlink,
            downlink ? std::optional<Channel>(channel) : std::nullopt};
}

ChannelRecord recordOf(BandRef band, const ArfcnPlan& plan, std::size_t index, Channel channel) {
    const auto spacing = static_cast<double>(plan.spacingKhz);
    if (plan.duplex == Duplex::Sul) {
        return {band,
                index,
                channel,
                std::nullopt,
                carrier(carrierKhz(plan.uplink, channel)),
                std::nullopt,
                spacing,
                std::nullopt,
                channel};
    }
    const auto downlinkKhz = carrierKhz(plan.downlink, channel);
    const auto uplink = uplinkOf(plan, channel);
    const auto uplinkKhz = uplink ? carrierKhz(plan.uplink, *uplink) : std::nullopt;
    const auto gap =
        uplinkKhz ? std::optional<double>(static_cast<double>(*downlinkKhz - *uplinkKhz) / 1000.0)
                  : std::nullopt;
    return {band,    index,   channel, carrier(downlinkKhz), carrier(uplinkKhz), gap,
            spacing, channel, uplink};
}

// The record of an uplink channel without a downlink pair: no index, no downlink carrier.
ChannelRecord unpairedUplinkRecord(BandRef band, const ArfcnPlan& plan, Channel uplink) {
    return {band,
            std::nullopt,
            uplink,
            std::nullopt,
            carrier(carrierKhz(plan.uplink, uplink)),
            std::nullopt,
            static_cast<double>(plan.spacingKhz),
            std::nullopt,
            uplink};
}

// The records of a number as the other member of a pair: WCDMA downlink channels name their
// uplink channel by the pairing's offsets.
void addPairRecords(BandRef band, const ClassicPlan& plan, Channel number,
                    std::vector<ChannelRecord>& records) {
    for (const Channel uplink : pairedUplinkChannels(band, plan, number)) {
        if (records.empty() || records.back().channel != uplink) {
            records.push_back(recordOf(band, plan, *channelIndex(band, uplink), uplink));
        }
    }
}

// An uplink channel of an FDD band, shown with its downlink pair where it has one.
void addPairRecords(BandRef band, const ArfcnPlan& plan, Channel number,
                    std::vector<ChannelRecord>& records) {
    if (plan.duplex != Duplex::Fdd || !carrierKhz(plan.uplink, number)) {
        return;
    }
    if (const auto downlink = downlinkOf(plan, number)) {
        records.push_back(recordOf(band, plan, *channelIndex(band, *downlink), *downlink));
        return;
    }
    records.push_back(unpairedUplinkRecord(band, plan, number));
}

// Calls visit(uplink) for every uplink channel of an FDD band that has no downlink pair.
void forEachUnpairedUplink(const ArfcnPlan& plan, const std::function<void(Channel)>& visit) {
    if (plan.duplex != Duplex::Fdd) {
        return;
    }
    forEachInUnion(numbersOf(plan.uplink).view(), [&](Channel uplink) {
        if (!downlinkOf(plan, uplink)) {
            visit(uplink);
        }
    });
}

void visitRecords(BandRef band, const ClassicPlan& plan,
                  const std::function<void(const ChannelRecord&)>& visit) {
    std::size_t index = 0;
    for (const auto& run : plan.list) {
        for (std::size_t k = 0; k < run.count(); ++k) {
            visit(recordOf(band, plan, index++, run.at(k)));
        }
    }
}

void visitRecords(BandRef band, const ArfcnPlan& plan,
                  const std::function<void(const ChannelRecord&)>& visit) {
    std::size_t index = 0;
    forEachInUnion(numbersOf(listedRuns(plan)).view(),
                   [&](Channel channel) { visit(recordOf(band, plan, index++, channel)); });
    forEachUnpairedUplink(plan,
                          [&](Channel uplink) { visit(unpairedUplinkRecord(band, plan, uplink)); });
}

std::size_t unpairedCount(const ClassicPlan&) {
    return 0;
}

std::size_t unpairedCount(const ArfcnPlan& plan) {
    std::size_t count = 0;
    forEachUnpairedUplink(plan, [&count](Channel) { ++count; });
    return count;
}

}  // namespace

ChannelRecord listedChannelRecord(BandRef band, std::size_t index, Channel channel) {
    return band.visitPlan([&](const auto& plan) { return recordOf(band, plan, index, channel); });
}

std::vector<ChannelRecord> channelRecords(BandRef band, Channel number) {
    std::vector<ChannelRecord> records;
    if (const auto index = channelIndex(band, number)) {
        records.push_back(listedChannelRecord(band, *index, number));
    }
    band.visitPlan([&](const auto& plan) { addPairRecords(band, plan, number, records); });
    return records;
}

void forEachChannelRecord(BandRef band, const std::function<void(const ChannelRecord&)>& visit) {
    band.visitPlan([&](const auto& plan) { visitRecords(band, plan, visit); });
}

std::size_t recordCount(BandRef band) {
    return channelCount(band) +
           band.visitPlan([](const auto& plan) { return unpairedCount(plan); });
}

}  // namespace tarnvale

#include "engine/channel_record.h"

#include "engine/carrier_plan.h"
#include "engine/channel_list.h"
#include "engine/conversion.h"
#include "engine/run_union.h"

namespace tarnvale {
namespace {

std::optional<double> mhz(std::optional<std::int64_t> khz) {
    return khz ? std::optional<double>(static_cast<double>(*khz) / 1000.0) : std::nullopt;
}

std::optional<Carrier> carrier(std::optional<std::int64_t> khz) {
    return khz ? std::optional<Carrier>({static_cast<double>(*khz) / 1000.0, khz}) : std::nullopt;
}

ChannelRecord classicRecord(BandRef band, std::size_t index, Channel channel) {
    const auto c = convertChannel(band, channel);
    const auto downlink = pairedDownlinkChannel(band, channel);
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

ChannelRecord carrierRecord(BandRef band, std::size_t index, Channel channel) {
    const auto& plan = band.carriers();
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
    return {band,
            index,
            channel,
            carrier(downlinkKhz),
            carrier(uplinkKhz),
            uplinkKhz ? mhz(*downlinkKhz - *uplinkKhz) : std::nullopt,
            spacing,
            channel,
            uplink};
}

// WCDMA downlink channels name their uplink channel by the pairing's offsets.
void addClassicDownlinkRecords(BandRef band, Channel number, std::vector<ChannelRecord>& records) {
    const auto& pairing = band.classic().pairing;
    if (!pairing) {
        return;
    }
    for (const Channel offset : {pairing->offset, pairing->offsetAbove}) {
        const Channel uplink = number - offset;
        const auto index = channelIndex(band, uplink);
        if (index && pairedDownlinkChannel(band, uplink) == number &&
            (records.empty() || records.back().channel != uplink)) {
            records.push_back(classicRecord(band, *index, uplink));
        }
    }
}

// An uplink channel of an FDD band, shown with its downlink pair where it has one.
void addUplinkRecord(BandRef band, Channel number, std::vector<ChannelRecord>& records) {
    const auto& plan = band.carriers();
    if (plan.duplex != Duplex::Fdd || !carrierKhz(plan.uplink, number)) {
        return;
    }
    if (const auto downlink = downlinkOf(plan, number)) {
        records.push_back(listedChannelRecord(band, *channelIndex(band, *downlink), *downlink));
        return;
    }
    records.push_back(unpairedUplinkRecord(band, number));
}

}  // namespace

ChannelRecord listedChannelRecord(BandRef band, std::size_t index, Channel channel) {
    return band.isClassic() ? classicRecord(band, index, channel)
                            : carrierRecord(band, index, channel);
}

std::vector<ChannelRecord> channelRecords(BandRef band, Channel number) {
    std::vector<ChannelRecord> records;
    if (const auto index = channelIndex(band, number)) {
        records.push_back(listedChannelRecord(band, *index, number));
    }
    if (band.isClassic()) {
        addClassicDownlinkRecords(band, number, records);
    } else {
        addUplinkRecord(band, number, records);
    }
    return records;
}

void forEachListedChannel(BandRef band, const std::function<void(Channel)>& visit) {
    const auto numbers = numbersOf(listedRuns(band.carriers()));
    forEachInUnion(numbers.view(), visit);
}

void forEachUnpairedUplink(BandRef band, const std::function<void(Channel)>& visit) {
    if (band.duplex() != Duplex::Fdd || band.isClassic()) {
        return;
    }
    const auto& plan = band.carriers();
    forEachInUnion(numbersOf(plan.uplink).view(), [&](Channel uplink) {
        if (!downlinkOf(plan, uplink)) {
            visit(uplink);
        }
    });
}

ChannelRecord unpairedUplinkRecord(BandRef band, Channel uplink) {
    const auto& plan = band.carriers();
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

std::size_t recordCount(BandRef band) {
    std::size_t count = channelCount(band);
    forEachUnpairedUplink(band, [&count](Channel) { ++count; });
    return count;
}

}  // namespace tarnvale

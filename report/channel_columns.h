#pragma once

#include <array>

#include "engine/channel_record.h"
#include "report/field.h"

// convert, table and lookup: a channel of a band with both its carriers.
namespace tarnvale::report {

inline Field carrierField(const std::optional<Carrier>& carrier) {
    if (!carrier) {
        return {};
    }
    return carrier->khz ? Field(Kilohertz{*carrier->khz}) : Field(Megahertz{carrier->mhz});
}

inline constexpr std::array<Column<ChannelRecord>, 11> kChannelColumns = {{
    {"format", "Format", Align::Left,
     [](const ChannelRecord& r) { return Field(r.band.formatName()); }},
    {"band", "Band", Align::Left, [](const ChannelRecord& r) { return Field(r.band.name()); }},
    {"index", "Index", Align::Right, [](const ChannelRecord& r) { return integerField(r.index); }},
    {"channel", "Channel", Align::Right,
     [](const ChannelRecord& r) { return Field(static_cast<long long>(r.channel)); }},
    {"forward_mhz", "Downlink MHz", Align::Right,
     [](const ChannelRecord& r) { return carrierField(r.downlinkCarrier); }},
    {"reverse_mhz", "Uplink MHz", Align::Right,
     [](const ChannelRecord& r) { return carrierField(r.uplinkCarrier); }},
    {"gap_mhz", "Gap MHz", Align::Right,
     [](const ChannelRecord& r) { return r.gapMhz ? Field(General{*r.gapMhz}) : Field(); }},
    {"spacing_khz", "Spacing kHz", Align::Right,
     [](const ChannelRecord& r) { return Field(General{r.spacingKhz}); }},
    {"dl_channel", "DL channel", Align::Right,
     [](const ChannelRecord& r) { return integerField(r.downlinkChannel); }},
    {"ul_channel", "UL channel", Align::Right,
     [](const ChannelRecord& r) { return integerField(r.uplinkChannel); }},
    {"duplex", "Duplex", Align::Left,
     [](const ChannelRecord& r) { return Field(duplexName(r.band.duplex())); }},
}};

}  // namespace tarnvale::report

#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/carrier_search.h"
#include "engine/channel_record.h"

namespace tarnvale {

// Modems that report an EARFCN in 16 bits report those of Band 65 and above modulo 65536.
inline constexpr Channel kEarfcnWrap = 65536;

// Every band, of every format or of one, that has `number` as a downlink or an uplink channel,
// in catalogue order.
std::vector<ChannelRecord> lookupChannel(Channel number, std::optional<Format> format = {});

// The highest number any band of the format answers to, as a downlink or an uplink channel.
Channel highestNumber(Format format);

// Why lookupChannel found nothing: "no band of any format has channel 65535", "no LTE band has
// channel 65535".
std::string noBandHasChannelText(Channel number, std::optional<Format> format = {});

// Which carrier of a channel number is asked for: its downlink, its uplink, or either (the
// downlink where a band has both).
enum class DirectionChoice { Downlink, Uplink, Any };

// The carrier a band's channel names in one direction.
struct NumberCarrier {
    BandRef band;
    Direction direction;
    Carrier carrier;
};

// For each of `bands` (a run of the catalogue: every band, a format's or one) that holds `number`
// as a channel in the direction asked, in their order, the carrier it names. A classic band's
// listed channel and a TDD band's channel name one pair of carriers: downlink gives the forward
// carrier, uplink the reverse one, any the forward one. An FDD band numbers its directions apart,
// so a number is a downlink or an uplink channel of it.
std::vector<NumberCarrier> numberCarriers(Channel number, std::span<const BandRef> bands,
                                          DirectionChoice choice);

}  // namespace tarnvale

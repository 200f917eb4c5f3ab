#pragma once

#include <cstdint>
#include <optional>

#include "engine/band.h"

// Channels and carriers of a 3GPP band: numbers of each direction, their carriers in whole
// kilohertz, and the pairing of downlink and uplink channels.
namespace tarnvale {

// The runs a band lists its channels by: the downlink, or the uplink of a supplementary uplink
// band.
const CarrierRuns& listedRuns(const ArfcnPlan& plan);

// The numbers of the runs, for counting their union.
InlineList<ChannelRun, 6> numbersOf(const CarrierRuns& runs);

std::optional<std::int64_t> carrierKhz(const CarrierRuns& runs, Channel n);
std::optional<Channel> numberAtKhz(const CarrierRuns& runs, std::int64_t khz);

// The uplink channel that carries a downlink channel's pair at the default separation, and the
// other way round; nullopt where the pair would lie outside the band.
std::optional<Channel> uplinkOf(const ArfcnPlan& plan, Channel downlink);
std::optional<Channel> downlinkOf(const ArfcnPlan& plan, Channel uplink);

}  // namespace tarnvale

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/band_ref.h"
#include "engine/channel_set.h"
#include "engine/reading.h"
#include "engine/resource_blocks.h"

// Carriers with a channel bandwidth: the bandwidths a band allows, where a carrier of one is
// valid, its edges and, for NR, its Point A.
namespace tarnvale {

// The formats whose carriers have a channel bandwidth, in catalogue order.
inline constexpr std::array<Format, 3> kBandwidthFormats = {Format::Lte, Format::Nr, Format::Umts};

// A UMTS carrier is 5 MHz wide (TS 25.101 clause 5.3).
inline constexpr std::int32_t kUmtsBandwidthKhz = 5000;
// TS 38.331 offsetToCarrier and offsetToPointA: INTEGER (0..2199).
inline constexpr std::int32_t kLargestOffsetToCarrier = 2199;
inline constexpr std::int32_t kLargestOffsetToPointA = 2199;

// What a carrier is besides its channel: its channel bandwidth, its subcarrier spacing (15 kHz
// for LTE, none for UMTS) and, for NR, the resource blocks from Point A to its lowest
// subcarrier (offsetToCarrier, for its downlink and uplink alike).
struct CarrierShape {
    std::int32_t bandwidthKhz = 0;
    std::int32_t scsKhz = 0;
    std::int32_t offsetToCarrier = 0;
};

// One channel bandwidth a band allows with one subcarrier spacing.
struct AllowedBandwidth {
    BandRef band;
    std::int32_t scsKhz;  // 0 for UMTS
    std::int32_t bandwidthKhz;
    std::optional<int> resourceBlocks;           // none for UMTS
    std::optional<std::int64_t> minimumGuardHz;  // NR only
};

// The bandwidths a band allows where a carrier of them fits its listed direction, ascending by
// spacing and then by bandwidth; UMTS carriers are 5 MHz wide.
std::vector<AllowedBandwidth> allowedBandwidths(BandRef band);

// Why a band lists no channel bandwidth (LTE Band 103, NR n68).
std::string noBandwidthText(BandRef band);

// The kind of N_RB table a band's carriers follow; nullopt for UMTS.
std::optional<CarrierKind> carrierKind(BandRef band);

// The shape of a carrier a person asks for, with the smallest spacing the band allows with the
// bandwidth where none is given; or why the band has no such carrier.
Reading<CarrierShape> carrierShape(BandRef band, std::int32_t bandwidthKhz,
                                   std::optional<std::int32_t> scsKhz,
                                   std::int32_t offsetToCarrier = 0);

// The channels where a carrier of that shape is valid: on the channel raster of its spacing,
// with its downlink inside the band's downlink edges (its uplink inside the uplink edges for a
// supplementary uplink band), and one of the channels a band note lists for its bandwidth
// where there is such a note. Downlink numbers, or uplink numbers of an SUL band.
ChannelSet carrierChannels(BandRef band, const CarrierShape& shape);

// Why no channel of the band holds a carrier of that shape, where carrierChannels() is empty.
std::string noValidChannelText(BandRef band, const CarrierShape& shape);

// One direction of a carrier, in kHz.
struct CarrierSide {
    Channel channel;
    std::int64_t centreKhz;
    std::int64_t lowEdgeKhz;
    std::int64_t highEdgeKhz;
    std::optional<std::int64_t> pointAKhz;  // NR only
};

struct BandwidthCarrier {
    BandRef band;
    CarrierShape shape;
    std::optional<int> resourceBlocks;    // none for UMTS
    std::optional<CarrierSide> downlink;  // a TDD carrier's one side, for both directions
    // An FDD carrier's uplink where its pair exists and fits the uplink band (else the carrier
    // is downlink-only), or an SUL carrier.
    std::optional<CarrierSide> uplink;
};

// Frequencies from lowKhz to highKhz.
struct KhzSpan {
    std::int64_t lowKhz;
    std::int64_t highKhz;
};

// The stretch of a band's direction that its carriers must lie in: its edges (a UMTS edge
// carrier's nominal edges cross them by 0.1 MHz). nullopt for a direction the band lacks (a TDD
// band's uplink is its downlink).
std::optional<KhzSpan> bandExtent(BandRef band, Direction direction);

// The side a carrier is listed by and drawn magnified: its downlink, or a supplementary uplink
// carrier's uplink.
const CarrierSide& listedSide(const BandwidthCarrier& carrier);

// The carrier of that shape on a downlink or uplink channel of the band, or why it is none.
Reading<BandwidthCarrier> carrierAt(BandRef band, Channel channel, const CarrierShape& shape);

// An NR carrier given by its Point A (an NR-ARFCN), offsetToCarrier, N_RB and spacing: its
// centre follows. It is computed whether or not it is valid; `problem` says why it is not (empty
// where it is). A carrier found invalid has its downlink alone.
struct CarrierFromPointA {
    BandwidthCarrier carrier;
    std::string problem;
};

// Or why no bandwidth of the band has that N_RB at that spacing.
Reading<CarrierFromPointA> carrierFromPointA(BandRef band, Channel pointA, int resourceBlocks,
                                             std::int32_t scsKhz, std::int32_t offsetToCarrier);

// The narrowest shape the band allows (the smallest spacing of a width first) whose carrier at
// the channel, a downlink or uplink number, is valid and, where `wanted` is given, wanted;
// nullopt where none is.
std::optional<CarrierShape> narrowestShapeAt(
    BandRef band, Channel channel, const std::function<bool(const BandwidthCarrier&)>& wanted = {});

}  // namespace tarnvale

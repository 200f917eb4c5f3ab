#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/subcarriers.h"

namespace tarnvale {

// Placement on the carrier picture, in twips. The picture shows the band's downlink range and
// its uplink range below it on one scale, each with the carrier marked, and below them the
// carrier magnified: its channel bandwidth, its transmission bandwidth, its SS blocks, CORESET#0
// and Point A.

inline constexpr float kCarrierPictureWidth = 8400;
inline constexpr float kCarrierPictureHeight = 2700;
inline constexpr float kPictureScaleLeft = 1200;
inline constexpr float kPictureScaleWidth = 6960;
// A mark on a band's range, and the chosen SS block, stay visible however narrow they are:
// they are widened about their centre to this.
inline constexpr float kNarrowestMark = 30;

// Frequencies from `low` to `high`, in kHz.
struct KhzRange {
    std::int64_t low;
    std::int64_t high;
};

// What the picture shows, in kHz.
struct CarrierView {
    std::optional<KhzRange> downlinkBand;
    std::optional<KhzRange> uplinkBand;
    std::optional<KhzRange> downlinkCarrier;  // its channel bandwidth
    std::optional<KhzRange> uplinkCarrier;
    // The magnified side: the downlink, or the uplink of a supplementary uplink band.
    std::optional<KhzRange> channel;
    std::optional<KhzRange> transmission;  // N_RB resource blocks
    std::vector<std::int64_t> ssbCentres;  // SS_REF of each SS block position
    std::optional<KhzRange> selectedSsb;   // the 240 subcarriers of the chosen one
    bool ssbOutside = false;               // which lie outside the carrier's resource blocks
    std::optional<KhzRange> coreset0;      // CORESET#0's resource blocks
    std::optional<std::int64_t> pointA;
};

// The picture draws to the kilohertz.
inline KhzRange khzOf(const HzSpan& span) {
    return {span.lowHz / 1000, span.highHz / 1000};
}

struct Span {
    float left;
    float width;
};

struct CarrierPlaces {
    std::optional<Span> downlinkBand;
    std::optional<Span> uplinkBand;
    std::optional<Span> downlinkMark;
    std::optional<Span> uplinkMark;
    // The magnified scale runs from zoomLowMhz to zoomHighMhz across the picture's scale.
    double zoomLowMhz = 0;
    double zoomHighMhz = 0;
    std::optional<Span> channel;
    std::optional<Span> transmission;
    std::vector<float> ssbXs;
    std::optional<Span> selectedSsb;
    std::optional<Span> coreset0;
    std::optional<float> pointAX;
};

CarrierPlaces placeCarrierPicture(const CarrierView& view);

}  // namespace tarnvale

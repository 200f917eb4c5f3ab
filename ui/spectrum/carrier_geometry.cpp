#include "ui/spectrum/carrier_geometry.h"

#include <algorithm>

namespace tarnvale {
namespace {

// A linear scale from kHz to twips across the picture's scale.
struct KhzScale {
    double lowKhz;
    double twipsPerKhz;

    float x(double khz) const {
        return static_cast<float>(kPictureScaleLeft + (khz - lowKhz) * twipsPerKhz);
    }
    Span span(const KhzRange& range) const {
        return {x(static_cast<double>(range.low)),
                static_cast<float>(static_cast<double>(range.high - range.low) * twipsPerKhz)};
    }
};

// A band's range, left-aligned on a scale shared with the other direction, so that a carrier
// has one width in both.
Span bandSpan(const KhzRange& band, double twipsPerKhz) {
    return {kPictureScaleLeft,
            static_cast<float>(static_cast<double>(band.high - band.low) * twipsPerKhz)};
}

// A span widened about its centre to the narrowest visible mark.
Span visible(Span span) {
    if (span.width < kNarrowestMark) {
        span.left -= (kNarrowestMark - span.width) / 2;
        span.width = kNarrowestMark;
    }
    return span;
}

std::optional<Span> markOn(const std::optional<KhzRange>& band,
                           const std::optional<KhzRange>& carrier, double twipsPerKhz) {
    if (!band || !carrier) {
        return std::nullopt;
    }
    return visible(KhzScale{static_cast<double>(band->low), twipsPerKhz}.span(*carrier));
}

void placeMagnified(const CarrierView& view, CarrierPlaces& places) {
    if (!view.channel) {
        return;
    }
    // The scale takes in Point A, and an SS block or CORESET#0 that a configuration puts
    // outside the carrier.
    std::int64_t low = view.channel->low;
    std::int64_t high = view.channel->high;
    if (view.pointA) {
        low = std::min(low, *view.pointA);
    }
    for (const auto& range : {view.selectedSsb, view.coreset0}) {
        if (range) {
            low = std::min(low, range->low);
            high = std::max(high, range->high);
        }
    }
    const double margin = static_cast<double>(high - low) * 0.04;
    const double lowKhz = static_cast<double>(low) - margin;
    const double highKhz = static_cast<double>(high) + margin;
    places.zoomLowMhz = lowKhz / 1000;
    places.zoomHighMhz = highKhz / 1000;
    const KhzScale zoom{lowKhz, kPictureScaleWidth / (highKhz - lowKhz)};
    places.channel = zoom.span(*view.channel);
    if (view.transmission) {
        places.transmission = zoom.span(*view.transmission);
    }
    for (const auto centre : view.ssbCentres) {
        places.ssbXs.push_back(zoom.x(static_cast<double>(centre)));
    }
    if (view.selectedSsb) {
        places.selectedSsb = visible(zoom.span(*view.selectedSsb));
    }
    if (view.coreset0) {
        places.coreset0 = visible(zoom.span(*view.coreset0));
    }
    if (view.pointA) {
        places.pointAX = zoom.x(static_cast<double>(*view.pointA));
    }
}

}  // namespace

CarrierPlaces placeCarrierPicture(const CarrierView& view) {
    CarrierPlaces places;
    std::int64_t widest = 1;
    for (const auto& band : {view.downlinkBand, view.uplinkBand}) {
        if (band) {
            widest = std::max(widest, band->high - band->low);
        }
    }
    const double twipsPerKhz = kPictureScaleWidth / static_cast<double>(widest);
    if (view.downlinkBand) {
        places.downlinkBand = bandSpan(*view.downlinkBand, twipsPerKhz);
    }
    if (view.uplinkBand) {
        places.uplinkBand = bandSpan(*view.uplinkBand, twipsPerKhz);
    }
    places.downlinkMark = markOn(view.downlinkBand, view.downlinkCarrier, twipsPerKhz);
    places.uplinkMark = markOn(view.uplinkBand, view.uplinkCarrier, twipsPerKhz);
    placeMagnified(view, places);
    return places;
}

}  // namespace tarnvale

#pragma once

namespace tarnvale {

// Placement on the spectrum picture, in twips. Every position is computed in double precision
// and stored in single precision, as the painted items hold it; a later step reads the stored
// value back.

inline constexpr double kFullScaleMhz = 2200.0;
// The band mark starts, and the duplex marker reaches, one pixel beyond the line it follows.
inline constexpr double kOnePixelTwips = 15.0;

struct Scale {
    float left;
    float width;
};

struct BandWindowMark {
    float startConnectorX;  // upper end of the connector to the zoomed scale's left end
    float stopConnectorX;
    float markLeft;
    float markWidth;
};

// The band window on the 0 to 2200 MHz scale.
BandWindowMark placeBandWindow(Scale fullScale, double startMhz, double stopMhz);

struct CarrierMarks {
    float forwardX;
    float reverseX;
    float duplexX1;
    float duplexX2;
    float gapLabelLeft;
};

// The two carriers and the duplex marker on the zoomed scale, which spans the band window, and
// the gap label centred on the marker.
CarrierMarks placeCarriers(Scale zoomedScale, double startMhz, double stopMhz, double forwardMhz,
                           double reverseMhz, float gapLabelWidth);

}  // namespace tarnvale

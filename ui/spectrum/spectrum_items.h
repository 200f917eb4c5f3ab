#pragma once

namespace tarnvale {

class PaintedFrame;
class PaintedLabel;
class PaintedLine;
class PaintedShape;

// The painted items of the spectrum frame: the full 0 to 2200 MHz scale with the band window
// marked on it, and the zoomed scale of the band with its two carriers.
struct SpectrumItems {
    PaintedShape* shpSubBand;
    PaintedLabel* lblFDD;
    PaintedLine* lineFDD;
    PaintedLine* lineRev2;
    PaintedLine* lineFwd2;
    PaintedShape* shpFreqScale1;
    PaintedLabel* lblFStart;
    PaintedLabel* lblFStop;
    PaintedLabel* lblSpec1;
    PaintedShape* shpFreqScale2;
    PaintedLabel* lblBandStart;
    PaintedLabel* lblBandStop;
    PaintedLine* lineFStart;
    PaintedLine* lineFStop;
};

// Adds the items to the frame at their starting places, topmost first.
SpectrumItems buildSpectrumItems(PaintedFrame* frame);

// Marks the band window on the full scale and moves the connectors' upper ends to it.
void drawBandWindow(const SpectrumItems& items, double startMhz, double stopMhz);

// Places the carrier lines, the duplex marker and the gap label on the zoomed scale.
void drawCarriers(const SpectrumItems& items, double startMhz, double stopMhz, double forwardMhz,
                  double reverseMhz);

}  // namespace tarnvale

#pragma once

#include <QString>

#include "engine/band_ref.h"
#include "ui/spectrum/carrier_geometry.h"
#include "ui/toolkit/locale_numbers.h"
#include "ui/toolkit/painted_frame.h"

namespace tarnvale {

class PaintedLabel;
class PaintedLine;
class PaintedMarks;
class PaintedShape;

// The picture of the Carrier and Check Configuration windows: the band's downlink and uplink
// ranges with the carrier marked, and the carrier magnified with its SS blocks, CORESET#0 and
// Point A. Its items are named, and hold their
// places in twips as properties.
class CarrierPicture : public PaintedFrame {
    Q_OBJECT
    Q_PROPERTY(double zoomLowMhz READ zoomLowMhz)
    Q_PROPERTY(double zoomHighMhz READ zoomHighMhz)
  public:
    explicit CarrierPicture(QWidget* parent = nullptr);

    // Shows the view in its band: the band's ranges come from the band, and a note stands in a
    // row whose band has no such direction.
    void showView(BandRef band, CarrierView view);
    // No band: the frame empty but for a note.
    void showNoBand(const QString& note);

    double zoomLowMhz() const { return places_.zoomLowMhz; }
    double zoomHighMhz() const { return places_.zoomHighMhz; }

  private:
    struct Row {
        PaintedShape* band;
        PaintedShape* mark;
        PaintedLabel* low;
        PaintedLabel* high;
        PaintedLabel* note;
    };

    Row buildRow(const QString& prefix, const QString& caption, float top, QColor colour);
    void showRow(const Row& row, const std::optional<Span>& band, const std::optional<Span>& mark,
                 const std::optional<KhzRange>& range, const QString& note);
    void showMagnified(const CarrierView& view);
    void placeUnder(PaintedLabel* label, float x, const QString& caption);

    LocaleNumbers numbers_;
    CarrierPlaces places_;
    Row downlink_;
    Row uplink_;
    PaintedShape* channel_;
    PaintedShape* transmission_;
    PaintedMarks* ssbMarks_;
    PaintedShape* selectedSsb_;
    PaintedShape* coreset0_;
    PaintedLine* pointA_;
    PaintedLabel* pointALabel_;
    PaintedLabel* zoomLow_;
    PaintedLabel* zoomHigh_;
};

}  // namespace tarnvale

#include "ui/spectrum/carrier_picture.h"

#include <QPalette>
#include <algorithm>

#include "engine/carrier.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/painted_items.h"
#include "ui/toolkit/twips.h"

namespace tarnvale {
namespace {

const QColor kBandGrey(205, 205, 205);
const QColor kDownlink(0, 150, 0);
const QColor kUplink(0, 0, 230);
const QColor kGuard(175, 225, 175);
const QColor kSsb(220, 110, 0);
const QColor kPointA(200, 0, 0);
const QColor kCoreset0(120, 60, 180);
// An SS block a configuration puts outside its carrier.
const QColor kWarning(230, 0, 0);

// Rows of the picture, below the frame's caption.
constexpr float kDownlinkTop = 330;
constexpr float kUplinkTop = 930;
constexpr float kBarHeight = 240;
constexpr float kLabelGap = 15;
constexpr float kCarrierTop = 1650;
constexpr float kCarrierHeight = 480;
constexpr float kSsbHeight = 240;
// CORESET#0 lies above the SS block, inside the resource blocks' band.
constexpr float kCoreset0Top = kCarrierTop + 60;
constexpr float kCoreset0Height = 120;
constexpr float kEdgeLabelTop = 2280;
constexpr float kPointALabelTop = 2550;

LabelStyle labelStyle(const QWidget* host, QColor colour = {}) {
    LabelStyle style{windowFont(),
                     colour.isValid() ? colour : host->palette().color(QPalette::WindowText),
                     std::nullopt, false, true};
    return style;
}

double mhzOf(std::int64_t khz) {
    return static_cast<double>(khz) / 1000;
}

}  // namespace

CarrierPicture::CarrierPicture(QWidget* parent)
    : PaintedFrame("Spectrum", parent), numbers_(QLocale()) {
    setObjectName("picCarrier");
    setFixedSize(twipRect(0, 0, static_cast<int>(kCarrierPictureWidth),
                          static_cast<int>(kCarrierPictureHeight + 300))
                     .size());
    // Added first lies on top.
    pointALabel_ = new PaintedLabel("lblPicPointA", this, 0, kPointALabelTop, 0, 0, "Point A",
                                    labelStyle(this, kPointA));
    pointA_ = new PaintedLine("linePointA", this, 0, kCarrierTop - 120, 0,
                              kCarrierTop + kCarrierHeight + 120, kPointA, 2);
    const float ssbTop = kCoreset0Top + kCoreset0Height;
    selectedSsb_ = new PaintedShape("shpSsbSelected", this, 0, ssbTop, 0, kSsbHeight, kSsb, kSsb);
    coreset0_ = new PaintedShape("shpCoreset0", this, 0, kCoreset0Top, 0, kCoreset0Height,
                                 kCoreset0, kCoreset0);
    // Ticks along the carrier's top edge, clear of the resource blocks below.
    ssbMarks_ = new PaintedMarks("marksSsb", this, kCarrierTop - 105, 165, kSsb);
    transmission_ = new PaintedShape("shpTransmission", this, 0, kCarrierTop + 60, 0,
                                     kCarrierHeight - 120, kDownlink, kDownlink);
    channel_ =
        new PaintedShape("shpChannel", this, 0, kCarrierTop, 0, kCarrierHeight, kGuard, kDownlink);
    zoomLow_ = new PaintedLabel("lblZoomLow", this, 0, kEdgeLabelTop, 0, 0, "", labelStyle(this));
    zoomHigh_ = new PaintedLabel("lblZoomHigh", this, 0, kEdgeLabelTop, 0, 0, "", labelStyle(this));
    new PaintedLabel("lblPicCarrier", this, 90, kCarrierTop + 120, 0, 0, "Carrier",
                     labelStyle(this));
    downlink_ = buildRow("Dl", "Downlink", kDownlinkTop, kDownlink);
    uplink_ = buildRow("Ul", "Uplink", kUplinkTop, kUplink);
}

CarrierPicture::Row CarrierPicture::buildRow(const QString& prefix, const QString& caption,
                                             float top, QColor colour) {
    const float labelTop = top + kBarHeight + kLabelGap;
    Row row{};
    row.note = new PaintedLabel("lbl" + prefix + "Note", this, kPictureScaleLeft, top, 0, 0, "",
                                labelStyle(this));
    row.mark =
        new PaintedShape("shp" + prefix + "Mark", this, 0, top, 0, kBarHeight, colour, colour);
    row.low =
        new PaintedLabel("lbl" + prefix + "Low", this, 0, labelTop, 0, 0, "", labelStyle(this));
    row.high =
        new PaintedLabel("lbl" + prefix + "High", this, 0, labelTop, 0, 0, "", labelStyle(this));
    row.band = new PaintedShape("shp" + prefix + "Band", this, kPictureScaleLeft, top, 0,
                                kBarHeight, kBandGrey, Qt::gray);
    new PaintedLabel("lblPic" + prefix, this, 90, top, 0, 0, caption, labelStyle(this));
    return row;
}

void CarrierPicture::showView(BandRef band, CarrierView view) {
    const Duplex duplex = band.duplex();
    const auto extentOf = [band](Direction direction) -> std::optional<KhzRange> {
        const auto extent = bandExtent(band, direction);
        return extent ? std::optional(KhzRange{extent->lowKhz, extent->highKhz}) : std::nullopt;
    };
    view.downlinkBand = extentOf(Direction::Downlink);
    view.uplinkBand = duplex == Duplex::Tdd ? std::nullopt : extentOf(Direction::Uplink);
    const QString downlinkNote =
        duplex == Duplex::Sul ? "No downlink: a supplementary uplink band" : QString();
    const QString uplinkNote = duplex == Duplex::Tdd ? "TDD: the uplink shares the downlink's band"
                               : duplex == Duplex::Sdl ? "No uplink: a supplementary downlink band"
                                                       : QString();
    places_ = placeCarrierPicture(view);
    showRow(downlink_, places_.downlinkBand, places_.downlinkMark, view.downlinkBand, downlinkNote);
    showRow(uplink_, places_.uplinkBand, places_.uplinkMark, view.uplinkBand, uplinkNote);
    showMagnified(view);
}

void CarrierPicture::showNoBand(const QString& note) {
    places_ = {};
    showRow(downlink_, std::nullopt, std::nullopt, std::nullopt, note);
    showRow(uplink_, std::nullopt, std::nullopt, std::nullopt, QString());
    showMagnified({});
}

void CarrierPicture::showRow(const Row& row, const std::optional<Span>& band,
                             const std::optional<Span>& mark, const std::optional<KhzRange>& range,
                             const QString& note) {
    row.note->setCaption(note);
    row.note->setVisible(!band);
    for (auto* item : {static_cast<PaintedItem*>(row.band), static_cast<PaintedItem*>(row.low),
                       static_cast<PaintedItem*>(row.high)}) {
        item->setVisible(band.has_value());
    }
    row.mark->setVisible(mark.has_value());
    if (!band || !range) {
        return;
    }
    row.band->setWidth(band->width);
    row.low->setCaption(numbers_.number(mhzOf(range->low)));
    row.low->setLeft(band->left);
    row.high->setCaption(numbers_.number(mhzOf(range->high)));
    row.high->setLeft(band->left + band->width - row.high->width());
    if (mark) {
        row.mark->setLeft(mark->left);
        row.mark->setWidth(mark->width);
    }
}

void CarrierPicture::showMagnified(const CarrierView& view) {
    const bool shown = places_.channel.has_value();
    for (auto* item : {static_cast<PaintedItem*>(channel_), static_cast<PaintedItem*>(zoomLow_),
                       static_cast<PaintedItem*>(zoomHigh_)}) {
        item->setVisible(shown);
    }
    transmission_->setVisible(places_.transmission.has_value());
    selectedSsb_->setVisible(places_.selectedSsb.has_value());
    coreset0_->setVisible(places_.coreset0.has_value());
    const QColor ssb = view.ssbOutside ? kWarning : kSsb;
    selectedSsb_->setColours(ssb, ssb);
    pointA_->setVisible(places_.pointAX.has_value());
    pointALabel_->setVisible(places_.pointAX.has_value());
    ssbMarks_->setXs(QList<float>(places_.ssbXs.begin(), places_.ssbXs.end()));
    if (!shown) {
        return;
    }
    channel_->setLeft(places_.channel->left);
    channel_->setWidth(places_.channel->width);
    placeUnder(zoomLow_, places_.channel->left, numbers_.number(mhzOf(view.channel->low)));
    placeUnder(zoomHigh_, places_.channel->left + places_.channel->width,
               numbers_.number(mhzOf(view.channel->high)));
    if (places_.transmission) {
        transmission_->setLeft(places_.transmission->left);
        transmission_->setWidth(places_.transmission->width);
    }
    if (places_.selectedSsb) {
        selectedSsb_->setLeft(places_.selectedSsb->left);
        selectedSsb_->setWidth(places_.selectedSsb->width);
    }
    if (places_.coreset0) {
        coreset0_->setLeft(places_.coreset0->left);
        coreset0_->setWidth(places_.coreset0->width);
    }
    if (places_.pointAX) {
        pointA_->setX1(*places_.pointAX);
        pointA_->setX2(*places_.pointAX);
        placeUnder(pointALabel_, *places_.pointAX, "Point A");
    }
}

// A label centred under `x`, kept inside the picture.
void CarrierPicture::placeUnder(PaintedLabel* label, float x, const QString& caption) {
    label->setCaption(caption);
    const float widest = kCarrierPictureWidth - label->width() - 90;
    label->setLeft(std::clamp(x - label->width() / 2, 90.0F, widest));
}

}  // namespace tarnvale

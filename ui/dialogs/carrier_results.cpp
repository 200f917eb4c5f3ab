#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "engine/arfcn_plan.h"
#include "engine/nr_raster.h"
#include "report/carrier_columns.h"
#include "report/rows.h"
#include "report/sink.h"
#include "ui/dialogs/carrier_dialog.h"
#include "ui/spectrum/carrier_picture.h"

// What the Carrier window shows of its carrier: the result labels, the SS block table and the
// picture.
namespace tarnvale {
namespace {

// A UMTS band lists no edges: its carriers' span, widened by half a carrier, stands for them.
constexpr std::int64_t kUmtsHalfCarrierKhz = 2500;

QString mhz(const LocaleNumbers& numbers, std::int64_t khz) {
    return numbers.frequency(static_cast<double>(khz) / 1000);
}

QString sideText(const LocaleNumbers& numbers, const CarrierSide& side) {
    return QString("%1 MHz (channel %2)").arg(mhz(numbers, side.centreKhz)).arg(side.channel);
}

QString edgesText(const LocaleNumbers& numbers, const CarrierSide& side) {
    return QString("%1 to %2 MHz")
        .arg(mhz(numbers, side.lowEdgeKhz), mhz(numbers, side.highEdgeKhz));
}

QString pointAText(const LocaleNumbers& numbers, const CarrierSide& side) {
    return QString("NR-ARFCN %1, %2 MHz")
        .arg(*nrArfcnAt(*side.pointAKhz))
        .arg(mhz(numbers, *side.pointAKhz));
}

// A direction's range on the picture: its edges, or the span of its carriers.
std::optional<KhzRange> rangeOf(const CarrierRuns& runs, std::int64_t lowEdge,
                                std::int64_t highEdge) {
    if (runs.empty()) {
        return std::nullopt;
    }
    if (highEdge > lowEdge) {
        return KhzRange{lowEdge, highEdge};
    }
    KhzRange span{runs.front().khzOf(runs.front().numbers.first),
                  runs.front().khzOf(runs.front().numbers.first)};
    for (const auto& run : runs) {
        span.low = std::min(span.low, run.khzOf(run.numbers.first));
        span.high = std::max(span.high, run.khzOf(run.numbers.last));
    }
    return KhzRange{span.low - kUmtsHalfCarrierKhz, span.high + kUmtsHalfCarrierKhz};
}

KhzRange edgesOf(const CarrierSide& side) {
    return {side.lowEdgeKhz, side.highEdgeKhz};
}

}  // namespace

void CarrierDialog::showCarrier() {
    const auto& c = *carrier_;
    const Duplex duplex = c.band.duplex();
    lblCarrierDl_->setText(c.downlink ? sideText(numbers_, *c.downlink)
                                      : "none: a supplementary uplink band");
    if (duplex == Duplex::Tdd) {
        lblCarrierUl_->setText(sideText(numbers_, *c.downlink) + ", the downlink's (TDD)");
    } else if (c.uplink) {
        lblCarrierUl_->setText(sideText(numbers_, *c.uplink));
    } else {
        lblCarrierUl_->setText(duplex == Duplex::Sdl
                                   ? "none: a supplementary downlink band"
                                   : "none: a downlink-only carrier, its uplink pair would leave "
                                     "the band");
    }
    const auto& main = c.downlink ? *c.downlink : *c.uplink;
    QString edges = edgesText(numbers_, main);
    if (c.downlink && c.uplink && duplex != Duplex::Tdd) {
        edges += ", uplink " + edgesText(numbers_, *c.uplink);
    }
    if (c.resourceBlocks) {
        edges +=
            QString("; %1 resource blocks of %2 kHz").arg(*c.resourceBlocks).arg(c.shape.scsKhz);
    }
    lblCarrierEdges_->setText(edges);
    QString pointA = main.pointAKhz ? pointAText(numbers_, main) : QString("none (NR only)");
    if (c.downlink && c.uplink && duplex != Duplex::Tdd && c.uplink->pointAKhz) {
        pointA += ", uplink " + pointAText(numbers_, *c.uplink);
    }
    lblPointA_->setText(pointA);
    lblCarrierChannels_->setText(
        QString("%1 valid %2 for this carrier, %3 to %4; + and - step through them")
            .arg(channels_.size())
            .arg(channels_.size() == 1 ? "channel" : "channels")
            .arg(channels_.at(0))
            .arg(channels_.at(channels_.size() - 1)));
    const bool nr = c.band.format() == Format::Nr && c.downlink;
    ssbRows_->setRows(nr ? ssbPositions(c) : std::vector<SsbPosition>{});
    tblSsb_->setVisible(nr);
    tblSsb_->resizeColumnsToContents();
    lblCarrierStatus_->clear();
    cmdCarrierSave_->setEnabled(true);
    // New rows come unselected; choosing the first draws the picture, through its selection.
    if (ssbRows_->rowCount() > 0) {
        tblSsb_->selectRow(0);
    } else {
        showPicture();
    }
}

void CarrierDialog::showNoCarrier(const QString& why) {
    carrier_.reset();
    for (auto* label : {lblCarrierDl_, lblCarrierUl_, lblCarrierEdges_, lblPointA_}) {
        label->clear();
    }
    lblCarrierChannels_->clear();
    ssbRows_->setRows({});
    lblCarrierStatus_->setText(why);
    cmdCarrierSave_->setEnabled(false);
    showPicture();
}

void CarrierDialog::showPicture() {
    const auto band = chosenBand();
    if (!band) {
        return;
    }
    const auto& plan = *band->plan<ArfcnPlan>();
    const auto& e = plan.edges;
    CarrierView view;
    view.downlinkBand = rangeOf(plan.downlink, e.downlinkLowKhz, e.downlinkHighKhz);
    if (plan.duplex != Duplex::Tdd) {
        view.uplinkBand = rangeOf(plan.uplink, e.uplinkLowKhz, e.uplinkHighKhz);
    }
    if (carrier_) {
        const auto& c = *carrier_;
        const auto& main = c.downlink ? *c.downlink : *c.uplink;
        if (c.downlink) {
            view.downlinkCarrier = edgesOf(*c.downlink);
        }
        if (c.uplink && plan.duplex != Duplex::Tdd) {
            view.uplinkCarrier = edgesOf(*c.uplink);
        }
        view.channel = edgesOf(main);
        if (c.resourceBlocks) {
            const std::int64_t half = std::int64_t{6} * *c.resourceBlocks * c.shape.scsKhz;
            view.transmission = KhzRange{main.centreKhz - half, main.centreKhz + half};
        }
        view.pointA = main.pointAKhz;
        for (const auto& position : ssbRows_->rows()) {
            view.ssbCentres.push_back(position.ssRefKhz);
        }
        const auto chosen = tblSsb_->selectionModel()->selectedRows();
        if (!chosen.isEmpty()) {
            const auto& position = ssbRows_->row(chosen.front().row());
            const std::int64_t half = std::int64_t{120} * position.scsKhz;
            view.selectedSsb = KhzRange{position.ssRefKhz - half, position.ssRefKhz + half};
        }
    }
    const QString downlinkNote =
        plan.duplex == Duplex::Sul ? "No downlink: a supplementary uplink band" : QString();
    const QString uplinkNote =
        plan.duplex == Duplex::Tdd   ? "TDD: the uplink shares the downlink's band"
        : plan.duplex == Duplex::Sdl ? "No uplink: a supplementary downlink band"
                                     : QString();
    picCarrier_->showView(view, downlinkNote, uplinkNote);
}

std::string CarrierDialog::carrierCsv() const {
    report::StringSink sink;
    report::Rows<report::kCarrierColumns> rows(sink, {});
    for (const auto& row : report::carrierRows(*carrier_)) {
        rows.write(row);
    }
    return sink.text();
}

}  // namespace tarnvale

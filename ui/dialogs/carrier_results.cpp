#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "engine/nr_raster.h"
#include "engine/ssb.h"
#include "engine/subcarriers.h"
#include "report/carrier_columns.h"
#include "report/rows.h"
#include "report/sink.h"
#include "ui/dialogs/carrier_dialog.h"
#include "ui/dialogs/cell_panel.h"
#include "ui/spectrum/carrier_picture.h"
#include "ui/toolkit/fitted_table.h"

// What the Carrier window shows of its carrier: the result labels, the SS block table and the
// picture.
namespace tarnvale {
namespace {

QString mhz(const LocaleNumbers& numbers, std::int64_t khz) {
    return numbers.megahertz(static_cast<double>(khz) / 1000);
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

KhzRange edgesOf(const CarrierSide& side) {
    return {side.lowEdgeKhz, side.highEdgeKhz};
}

}  // namespace

void CarrierDialog::showCarrier() {
    const auto& c = *choice_.carrier();
    const auto& channels = choice_.channels();
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
    const auto& main = listedSide(c);
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
            .arg(channels.size())
            .arg(channels.size() == 1 ? "channel" : "channels")
            .arg(channels.at(0))
            .arg(channels.at(channels.size() - 1)));
    const bool nr = c.band.format() == Format::Nr && c.downlink;
    ssbRows_->setRows(nr ? ssbChoices(c) : std::vector<SsbChoice>{});
    fitToFormat(nr);
    const bool none = nr && ssbRows_->rowCount() == 0;
    lblSsbNone_->setText(none ? toQString(noSsbPositionText(c)) : QString());
    lblSsbNone_->setVisible(none);
    fitColumns(tblSsb_);
    lblCarrierStatus_->clear();
    cmdCarrierSave_->setEnabled(true);
    // New rows come unselected; choosing the first shows its cell and draws the picture,
    // through its selection.
    if (ssbRows_->rowCount() > 0) {
        tblSsb_->selectRow(0);
    } else {
        showCell();
    }
}

void CarrierDialog::showNoCarrier() {
    for (auto* label : {lblCarrierDl_, lblCarrierUl_, lblCarrierEdges_, lblPointA_}) {
        label->clear();
    }
    lblCarrierChannels_->clear();
    ssbRows_->setRows({});
    lblSsbNone_->hide();
    lblCarrierStatus_->setText(toQString(choice_.problem()));
    cmdCarrierSave_->setEnabled(false);
    showCell();
}

// The selected SS block position's cell, which redraws the picture with its CORESET#0.
void CarrierDialog::showCell() {
    const auto chosen = tblSsb_->selectionModel()->selectedRows();
    if (choice_.carrier() && !chosen.isEmpty()) {
        cellPanel_->show(*choice_.carrier(), ssbRows_->row(chosen.front().row()));
    } else {
        cellPanel_->clear();
    }
}

void CarrierDialog::showPicture() {
    CarrierView view;
    if (const auto& carrier = choice_.carrier()) {
        const auto& c = *carrier;
        const auto& main = listedSide(c);
        if (c.downlink) {
            view.downlinkCarrier = edgesOf(*c.downlink);
        }
        if (c.uplink && c.band.duplex() != Duplex::Tdd) {
            view.uplinkCarrier = edgesOf(*c.uplink);
        }
        view.channel = edgesOf(main);
        if (c.resourceBlocks) {
            view.transmission =
                khzOf(transmissionBand(main.centreKhz, *c.resourceBlocks, c.shape.scsKhz));
        }
        view.pointA = main.pointAKhz;
        for (const auto& choice : ssbRows_->rows()) {
            view.ssbCentres.push_back(choice.position.ssRefKhz);
        }
        const auto chosen = tblSsb_->selectionModel()->selectedRows();
        if (!chosen.isEmpty()) {
            const auto& position = ssbRows_->row(chosen.front().row()).position;
            view.selectedSsb = khzOf(ssbOccupiedBand(position.ssRefKhz, position.scsKhz,
                                                     ssbSubcarriers(c.shape.bandwidthKhz)));
        }
        if (const auto band = cellPanel_->coreset0Band()) {
            view.coreset0 = khzOf(*band);
        }
    }
    picCarrier_->showView(choice_.band(), view);
}

std::string CarrierDialog::carrierCsv() const {
    report::StringSink sink;
    report::Rows<report::kCarrierColumns> rows(sink, {});
    for (const auto& row : report::carrierRows(*choice_.carrier())) {
        rows.write(row);
    }
    return sink.text();
}

}  // namespace tarnvale

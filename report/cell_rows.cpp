#include "report/cell_rows.h"

#include "engine/nr_raster.h"
#include "engine/number_text.h"

namespace tarnvale::report {
namespace {

using namespace cell_field;

std::string mhz(std::int64_t khz) {
    return frequencyText(static_cast<double>(khz) / 1000, ".") + " MHz";
}

std::string number(std::int64_t value) {
    return channelText(static_cast<Channel>(value));
}

// Why a value is what it is, with how config chose it where it was not told.
std::string picked(const std::string& meaning, const std::optional<std::string>& choice) {
    return choice ? meaning + "; picked: " + *choice : meaning;
}

void carrierRows(std::vector<FieldRow>& rows, const CarrierSide& side, const BandwidthCarrier& c,
                 const CellField& pointA, const CellField& offset, const CellField& spacing,
                 const CellField& bandwidth) {
    rows.push_back({pointA, *nrArfcnAt(*side.pointAKhz), "Point A, " + mhz(*side.pointAKhz)});
    rows.push_back({offset, c.shape.offsetToCarrier,
                    "resource blocks from Point A to the carrier's lowest subcarrier"});
    rows.push_back({spacing, c.shape.scsKhz, "the carrier's subcarrier spacing"});
    rows.push_back({bandwidth, *c.resourceBlocks,
                    "N_RB of the " + numberText(c.shape.bandwidthKhz / 1000.0, ".") +
                        " MHz channel, centre " + mhz(side.centreKhz)});
}

void coresetRows(std::vector<FieldRow>& rows, const CellConfig& config) {
    const auto& c = config.carrier;
    const int rbs = *c.resourceBlocks;
    rows.push_back({kBwp, locationAndBandwidth(0, rbs),
                    "resource blocks 0 to " + number(rbs - 1) + ": the whole carrier"});
    if (!config.coreset0) {
        rows.push_back({kCoreset0, std::nullopt, *config.noCoreset0});
        return;
    }
    const auto& place = *config.coreset0;
    const auto& row = place.row;
    rows.push_back(
        {kCoreset0, place.index,
         picked("TS 38.213 Table " + std::string(place.table->name) + ": pattern " +
                    number(row.pattern) + ", " + number(row.resourceBlocks) + " RBs, " +
                    number(row.symbols) + " symbols, offset " + number(place.offset) + " RBs",
                config.coreset0Picked)});
    rows.push_back(
        {kSearchSpaceZero, config.searchSpaceZero,
         picked("the Type0-PDCCH search space set of the SIB1 PDCCH", config.searchSpacePicked)});
    const std::int64_t start = place.firstCrb - c.shape.offsetToCarrier;
    rows.push_back({kCoreset0Bwp,
                    locationAndBandwidth(static_cast<int>(start), place.occupiedBlocks),
                    "resource blocks " + number(start) + " to " +
                        number(start + place.occupiedBlocks - 1) + ": CORESET#0's span"});
}

}  // namespace

std::vector<FieldRow> configRows(const CellConfig& config) {
    std::vector<FieldRow> rows;
    const auto& c = config.carrier;
    const auto& downlink = *c.downlink;
    const auto& ssb = config.ssb;
    rows.push_back(
        {kSsbArfcn, ssb.ssbArfcn,
         picked("SS_REF " + mhz(ssb.ssRefKhz) + ", GSCN " + number(ssb.gscn), config.ssbPicked)});
    carrierRows(rows, downlink, c, kPointA, kOffsetToCarrier, kSubcarrierSpacing,
                kCarrierBandwidth);
    rows.push_back({kSsbSubcarrierSpacing, ssb.scsKhz,
                    "the SS block's subcarrier spacing, case " + std::string(1, ssb.pattern)});
    const bool fr2 = carrierKind(c.band) == CarrierKind::NrFr2;
    rows.push_back({kOffsetToPointA, ssb.offsetToPointA,
                    std::string("resource blocks of ") + (fr2 ? "60" : "15") +
                        " kHz from Point A to the SS block's common resource block"});
    rows.push_back({kScsCommon, commonSpacingOf(c), "CORESET#0's subcarrier spacing"});
    rows.push_back(
        {kKssb, ssb.kSsb,
         "k_SSB: the MIB's 4 bits hold " + number(ssb.kSsb & 15) +
             (fr2 ? std::string() : ", the PBCH payload bit a(A+5) " + number(ssb.kSsb >> 4))});
    coresetRows(rows, config);
    if (c.uplink && c.band.duplex() == Duplex::Fdd) {
        carrierRows(rows, *c.uplink, c, kUplinkPointA, kUplinkOffsetToCarrier,
                    kUplinkSubcarrierSpacing, kUplinkCarrierBandwidth);
    }
    return rows;
}

}  // namespace tarnvale::report

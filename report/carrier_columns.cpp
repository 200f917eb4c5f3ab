#include "report/carrier_columns.h"

namespace tarnvale::report {

std::vector<CarrierRow> carrierRows(const BandwidthCarrier& carrier) {
    std::vector<CarrierRow> rows;
    const Duplex duplex = carrier.band.duplex();
    if (carrier.downlink) {
        rows.push_back({&carrier, &*carrier.downlink, duplex == Duplex::Tdd ? "both" : "downlink"});
    }
    if (carrier.uplink) {
        rows.push_back({&carrier, &*carrier.uplink, "uplink"});
    }
    return rows;
}

}  // namespace tarnvale::report

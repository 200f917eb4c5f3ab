#pragma once

#include <vector>

#include "engine/cell_config.h"
#include "report/cell_columns.h"

namespace tarnvale::report {

// The fields of a cell's configuration as config writes them and the Carrier window shows them:
// the carrier, the SS block, the MIB, the initial downlink BWP and, for an FDD carrier with an
// uplink, the uplink carrier.
std::vector<FieldRow> configRows(const CellConfig& config);

}  // namespace tarnvale::report

#pragma once

#include "report/columns.h"
#include "report/table_writer.h"
#include "engine/carrier_search.h"

namespace tarnvale::report {

// Writes carrier matches as rows of kFindColumns.
class CarrierRows {
  public:
    CarrierRows(Sink& sink, OutputStyle style) : table_(sink, kFindColumns, style) {}
    void write(const CarrierMatch& match);

  private:
    TableWriter table_;
};

}  // namespace tarnvale::report

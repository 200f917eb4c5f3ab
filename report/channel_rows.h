#pragma once

#include <limits>
#include <string>

#include "report/columns.h"
#include "report/table_writer.h"
#include "engine/channel_record.h"

namespace tarnvale::report {

// Writes channel records as rows of kChannelColumns.
class ChannelRows {
  public:
    ChannelRows(Sink& sink, OutputStyle style) : table_(sink, kChannelColumns, style) {}
    void write(const ChannelRecord& record);

  private:
    // Gaps and spacings repeat from one channel to the next; their digits are reused.
    struct RepeatedNumber {
        double value = std::numeric_limits<double>::quiet_NaN();
        std::string digits;

        std::string_view of(double next);
    };

    TableWriter table_;
    RepeatedNumber gap_;
    RepeatedNumber spacing_;
};

}  // namespace tarnvale::report

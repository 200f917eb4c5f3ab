#include "report/band_columns.h"

#include "engine/channel_record.h"

namespace tarnvale::report {

BandPlanRecord bandPlanRecord(BandRef band) {
    return {band, validChannelText(band), recordCount(band), bandWindow(band)};
}

}  // namespace tarnvale::report

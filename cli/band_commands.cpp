#include "cli/commands.h"
#include "engine/band_names.h"
#include "engine/band_table.h"
#include "report/band_columns.h"
#include "report/rows.h"

// bands [FORMAT] and plan FORMAT BAND.
namespace tarnvale::cli {

void bandsCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    std::span<const BandRef> bands = bandTable();
    if (!request.arguments.empty()) {
        const auto format = diagnostics.accept(resolveFormat(request.arguments[0]));
        if (!format) {
            return;
        }
        bands = bandsOf(*format);
    }
    report::Rows<report::kBandColumns> rows(out, request.style);
    for (const BandRef band : bands) {
        rows.write(band);
    }
}

void planCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto band = diagnostics.accept(resolveBand(request.arguments[0], request.arguments[1]));
    if (!band) {
        return;
    }
    report::Rows<report::kPlanColumns> rows(out, request.style);
    rows.write(report::bandPlanRecord(*band));
}

}  // namespace tarnvale::cli

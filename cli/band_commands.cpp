#include "cli/band_names.h"
#include "cli/commands.h"
#include "engine/band_table.h"
#include "engine/channel_list.h"
#include "engine/channel_record.h"
#include "report/columns.h"

// bands [FORMAT] and plan FORMAT BAND.
namespace tarnvale::cli {
int bandsCommand(const Request& request, report::Sink& out, std::string& err) {
    std::span<const BandRef> bands = bandTable();
    if (!request.arguments.empty()) {
        const auto format = resolveFormat(request.arguments[0], err);
        if (!format) {
            return kExitBadInput;
        }
        bands = bandsOf(*format);
    }
    report::TableWriter table(out, report::kBandColumns, request.style);
    for (const BandRef band : bands) {
        table.text(band.formatName());
        table.text(band.name());
        table.endRow();
    }
    return kExitOk;
}

int planCommand(const Request& request, report::Sink& out, std::string& err) {
    const auto band = resolveBand(request.arguments[0], request.arguments[1], err);
    if (!band) {
        return kExitBadInput;
    }
    const auto window = bandWindow(*band);
    report::TableWriter table(out, report::kPlanColumns, request.style);
    table.text(band->formatName());
    table.text(band->name());
    table.text(validChannelText(*band));
    table.integer(static_cast<long long>(recordCount(*band)));
    table.generalNumber(window.start);
    table.generalNumber(window.stop);
    table.endRow();
    return kExitOk;
}

}  // namespace tarnvale::cli

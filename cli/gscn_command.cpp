#include "cli/band_names.h"
#include "cli/commands.h"
#include "engine/gscn.h"
#include "engine/nr_raster.h"
#include "engine/number_text.h"
#include "report/columns.h"

// gscn NUMBER... and gscn --band NAME.
namespace tarnvale::cli {
namespace {

int bandEntries(const Request& request, report::Sink& out, std::string& err) {
    if (!request.arguments.empty()) {
        err += "tarnvale-cli: gscn takes GSCNs or --band, not both\n";
        return kExitBadInput;
    }
    const auto band = resolveBand(Format::Nr, *request.band, err);
    if (!band) {
        return kExitBadInput;
    }
    report::TableWriter table(out, report::kBandGscnColumns, request.style);
    forEachGscn(*band, [&](const GscnEntry& entry) {
        table.text(band->name());
        table.integer(entry.scsKhz);
        table.text(std::string_view(&entry.pattern, 1));
        table.integer(entry.gscn);
        table.frequency(entry.frequencyMhz);
        table.endRow();
    });
    return kExitOk;
}

}  // namespace

// GSCNs that are fine are printed even when others are not, as convert does.
int gscnCommand(const Request& request, report::Sink& out, std::string& err) {
    if (request.band) {
        return bandEntries(request, out, err);
    }
    if (request.arguments.empty()) {
        err += "tarnvale-cli: gscn needs GSCNs or --band NAME\n";
        return kExitBadInput;
    }
    report::TableWriter table(out, report::kGscnColumns, request.style);
    int status = kExitOk;
    for (const auto& text : request.arguments) {
        const auto gscn = parseChannel(text);
        const auto mhz = gscn ? gscnFrequencyMhz(*gscn) : std::nullopt;
        if (!mhz) {
            err += "tarnvale-cli: \"" + text + "\" is not a GSCN (a whole number from " +
                   channelText(kFirstGscn) + " to " + channelText(kLastGscn) + ")\n";
            status = kExitBadInput;
            continue;
        }
        table.integer(*gscn);
        table.frequency(*mhz);
        table.endRow();
    }
    return status;
}

}  // namespace tarnvale::cli

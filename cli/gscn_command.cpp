#include "cli/commands.h"
#include "cli/values.h"
#include "engine/band_names.h"
#include "engine/gscn.h"
#include "engine/nr_raster.h"
#include "engine/number_text.h"
#include "report/gscn_columns.h"
#include "report/rows.h"

// gscn NUMBER... and gscn --band NAME.
namespace tarnvale::cli {
namespace {

void bandEntries(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    if (!request.arguments.empty()) {
        diagnostics.badInput("gscn takes GSCNs or --band, not both");
        return;
    }
    const auto band = diagnostics.accept(resolveBand(Format::Nr, *request.band));
    if (!band) {
        return;
    }
    report::Rows<report::kBandGscnColumns> rows(out, request.style);
    forEachGscn(*band, [&](const GscnEntry& entry) { rows.write({*band, entry}); });
}

Reading<GscnEntry> readGscn(std::string_view text) {
    const auto gscn = parseChannel(text);
    const auto mhz = gscn ? gscnFrequencyMhz(*gscn) : std::nullopt;
    if (!mhz) {
        std::string problem = "\"";
        problem += text;
        problem += "\" is not a GSCN (a whole number from " + gscnRangeText() + ")";
        return {std::nullopt, problem};
    }
    return {GscnEntry{0, ' ', *gscn, *mhz}, {}};
}

}  // namespace

// GSCNs that are fine are printed even when others are not, as convert does.
void gscnCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    if (request.band) {
        bandEntries(request, out, diagnostics);
        return;
    }
    if (request.arguments.empty()) {
        diagnostics.badInput("gscn needs GSCNs or --band NAME");
        return;
    }
    report::Rows<report::kGscnColumns> rows(out, request.style);
    forEachValue(request, 0, out, diagnostics, [&](std::string_view text) {
        if (const auto entry = diagnostics.accept(readGscn(text))) {
            rows.write(*entry);
        }
    });
}

}  // namespace tarnvale::cli

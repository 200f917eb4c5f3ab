#include "engine/gscn.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/values.h"
#include "engine/band_names.h"
#include "engine/input_text.h"
#include "engine/nr_raster.h"
#include "engine/number_text.h"
#include "report/gscn_columns.h"
#include "report/rows.h"

namespace tarnvale::cli::commands {
namespace {

void bandEntries(const Request& request, const std::string& name, report::Sink& out,
                 Diagnostics& diagnostics) {
    if (!request.arguments.empty()) {
        diagnostics.badInput("gscn takes GSCNs or --band, not both");
        return;
    }
    const auto band = diagnostics.accept(resolveBand(Format::Nr, name));
    if (!band) {
        return;
    }
    report::Rows<report::kBandGscnColumns> rows(out, request.style);
    forEachGscn(*band, [&](const GscnEntry& entry) { rows.write({*band, entry}); });
}

Reading<GscnEntry> readGscn(std::string_view text) {
    const auto gscn = parseChannel(trimmed(text));
    const auto mhz = gscn ? gscnFrequencyMhz(*gscn) : std::nullopt;
    if (!mhz) {
        return {std::nullopt, inQuotes(trimmed(text)) + " is not a GSCN (a whole number from " +
                                  gscnRangeText() + ")"};
    }
    return {GscnEntry{0, ' ', *gscn, *mhz}, {}};
}

// GSCNs that are fine are printed even when others are not, as convert does.
void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    if (const auto band = request.value(kBandOption)) {
        bandEntries(request, *band, out, diagnostics);
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

constexpr Argument kArguments[] = {{.name = "NUMBER",
                                    .help = "a GSCN, a global synchronisation channel number",
                                    .optional = true,
                                    .repeats = true,
                                    .standardInput = true}};
constexpr const Option* kOptions[] = {&kBandOption};
constexpr auto kColumns = report::namesOf(report::kGscnColumns);
constexpr auto kBandColumns = report::namesOf(report::kBandGscnColumns);

}  // namespace

const Command gscn{.name = "gscn",
                   .summary = "SS block frequencies of NR GSCNs",
                   .arguments = kArguments,
                   .options = kOptions,
                   .details =
                       "With --band, the band's GSCNs for each SS block subcarrier "
                       "spacing, with the columns",
                   .columns = kColumns,
                   .otherColumns = kBandColumns,
                   .example = "tarnvale-cli gscn 2156",
                   .run = run};

}  // namespace tarnvale::cli::commands

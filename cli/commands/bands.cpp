#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/band_names.h"
#include "engine/band_table.h"
#include "report/band_columns.h"
#include "report/rows.h"

namespace tarnvale::cli::commands {
namespace {

void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
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

constexpr Argument kArguments[] = {
    {.name = kFormatArgument.name, .help = kFormatArgument.help, .optional = true}};
constexpr auto kColumns = report::namesOf(report::kBandColumns);

}  // namespace

const Command bands{.name = "bands",
                    .summary = "every band of every format, or of one",
                    .arguments = kArguments,
                    .details = "Formats and their bands in catalogue order.",
                    .columns = kColumns,
                    .example = "tarnvale-cli bands NR",
                    .run = run};

}  // namespace tarnvale::cli::commands

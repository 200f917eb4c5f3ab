#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/band_names.h"
#include "report/band_columns.h"
#include "report/rows.h"

namespace tarnvale::cli::commands {
namespace {

void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto band = diagnostics.accept(resolveBand(request.arguments[0], request.arguments[1]));
    if (!band) {
        return;
    }
    report::Rows<report::kPlanColumns> rows(out, request.style);
    rows.write(report::bandPlanRecord(*band));
}

constexpr Argument kArguments[] = {kFormatArgument, kBandArgument};
constexpr auto kColumns = report::namesOf(report::kPlanColumns);

}  // namespace

const Command plan{
    .name = "plan",
    .summary = "a band's valid channels and band window",
    .arguments = kArguments,
    .whenTooFew = "plan needs a format and a band",
    .details =
        "valid_channels names the band's channels; channel_count counts them (the rows of "
        "`table`: the list, and uplink channels without a downlink pair); the window runs "
        "from its lowest to its highest carrier.",
    .columns = kColumns,
    .example = "tarnvale-cli plan CDMA \"TACS (Japan)\"",
    .run = run};

}  // namespace tarnvale::cli::commands

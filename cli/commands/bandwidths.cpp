#include "cli/arguments.h"
#include "cli/commands.h"
#include "engine/band_names.h"
#include "engine/band_table.h"
#include "engine/carrier.h"
#include "report/bandwidth_columns.h"
#include "report/rows.h"

namespace tarnvale::cli::commands {
namespace {

void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto format = diagnostics.accept(resolveFormat(request.arguments[0]));
    if (!format) {
        return;
    }
    std::span<const BandRef> bands = bandsOf(*format);
    std::optional<BandRef> one;
    if (request.arguments.size() == 2) {
        if (!(one = diagnostics.accept(resolveBand(*format, request.arguments[1])))) {
            return;
        }
        bands = {&*one, 1};
    }
    if (isClassic(*format)) {
        diagnostics.badInput(std::string(formatName(*format)) +
                             " carriers have no channel bandwidths: bandwidths is for LTE, NR "
                             "and UMTS");
        return;
    }
    report::Rows<report::kBandwidthColumns> rows(out, request.style);
    for (const BandRef band : bands) {
        for (const auto& allowed : allowedBandwidths(band)) {
            rows.write(allowed);
        }
    }
    if (one && allowedBandwidths(*one).empty()) {
        diagnostics.warning(noBandwidthText(*one));
    }
}

constexpr Argument kArguments[] = {
    kFormatArgument, {.name = kBandArgument.name, .help = kBandArgument.help, .optional = true}};
constexpr auto kColumns = report::namesOf(report::kBandwidthColumns);

}  // namespace

const Command bandwidths{
    .name = "bandwidths",
    .summary = "the channel bandwidths of LTE, NR or UMTS bands",
    .arguments = kArguments,
    .whenTooFew = "bandwidths needs a format",
    .details =
        "One row for each subcarrier spacing and bandwidth a band allows, ascending. LTE "
        "has 15 kHz subcarriers and no minimum guard band here; a UMTS carrier is 5 MHz "
        "wide. n_rb is N_RB, min_guard_khz the minimum guard band.",
    .columns = kColumns,
    .example = "tarnvale-cli bandwidths NR n78",
    .run = run};

}  // namespace tarnvale::cli::commands

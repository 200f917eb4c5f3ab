#include "cli/arguments.h"
#include "cli/carrier_reading.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "engine/band_names.h"
#include "engine/cell_config.h"
#include "report/rows.h"
#include "report/ssb_columns.h"

namespace tarnvale::cli::commands {
namespace {

void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto format = diagnostics.accept(resolveFormat(request.arguments[0]));
    if (format && *format != Format::Nr) {
        diagnostics.badInput("ssb is for NR bands: " + std::string(formatName(*format)) +
                             " has no SS block raster");
        return;
    }
    const auto band = format ? readBand(request, diagnostics) : std::nullopt;
    const auto shape = band ? readCarrierShape(request, *band, diagnostics) : std::nullopt;
    const auto channel =
        shape ? diagnostics.accept(readChannelNumber(request.arguments[2])) : std::nullopt;
    const auto carrier =
        channel ? diagnostics.accept(carrierAt(*band, *channel, *shape)) : std::nullopt;
    if (!carrier) {
        return;
    }
    if (!carrier->downlink) {
        diagnostics.badInput(fullName(*band) +
                             " is a supplementary uplink band: it carries no SS blocks");
        return;
    }
    report::Rows<report::kSsbColumns> rows(out, request.style);
    const auto positions = ssbChoices(*carrier);
    for (const auto& position : positions) {
        rows.write(position);
    }
    if (positions.empty()) {
        diagnostics.warning(noSsbPositionText(*carrier));
    }
}

constexpr Argument kArguments[] = {{.name = "NR", .help = "the format: SS blocks are NR's"},
                                   kBandArgument,
                                   {.name = "CHANNEL", .help = "the carrier's channel number"}};
constexpr const Option* kOptions[] = {&kBandwidthOption, &kScsOption, &kOffsetToCarrierOption};
constexpr auto kColumns = report::namesOf(report::kSsbColumns);

}  // namespace

const Command ssb{
    .name = "ssb",
    .summary = "the SS block positions of an NR carrier",
    .arguments = kArguments,
    .whenTooFew = "ssb needs NR, a band and a channel",
    .options = kOptions,
    .details =
        "Every valid SS block position of the carrier, by GSCN: ss_ref_mhz is SS_REF, "
        "ssb_arfcn absoluteFrequencySSB, offset_to_point_a and k_ssb what a cell "
        "configures (15 kHz units in FR1; offsetToPointA in 60 kHz resource blocks and "
        "k_SSB in common subcarriers in FR2); coreset0 the controlResourceSetZero values "
        "whose CORESET#0 fits the carrier at that position, with subCarrierSpacingCommon "
        "the carrier's spacing (none for an FR1 carrier of 60 kHz).",
    .columns = kColumns,
    .example = "tarnvale-cli ssb NR n78 636666 --bandwidth 100",
    .run = run};

}  // namespace tarnvale::cli::commands

#include "cli/arguments.h"
#include "cli/carrier_reading.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/values.h"
#include "report/carrier_columns.h"
#include "report/rows.h"

namespace tarnvale::cli::commands {
namespace {

// Carriers that are fine are printed even when others are not, as convert does.
void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto band = readBand(request, diagnostics);
    const auto shape = band ? readCarrierShape(request, *band, diagnostics) : std::nullopt;
    if (!shape) {
        return;
    }
    report::Rows<report::kCarrierColumns> rows(out, request.style);
    forEachValue(request, 2, out, diagnostics, [&](std::string_view text) {
        const auto channel = diagnostics.accept(readChannelNumber(text));
        const auto carrier =
            channel ? diagnostics.accept(carrierAt(*band, *channel, *shape)) : std::nullopt;
        if (carrier) {
            for (const auto& row : report::carrierRows(*carrier)) {
                rows.write(row);
            }
        }
    });
}

constexpr Argument kArguments[] = {kFormatArgument, kBandArgument, kChannelsArgument};
constexpr const Option* kOptions[] = {&kBandwidthOption, &kScsOption, &kOffsetToCarrierOption};
constexpr auto kColumns = report::namesOf(report::kCarrierColumns);

}  // namespace

const Command carrier{
    .name = "carrier",
    .summary = "a carrier of a bandwidth: its edges and Point A",
    .arguments = kArguments,
    .whenTooFew = "carrier needs a format, a band and channels",
    .options = kOptions,
    .details =
        "A carrier's centre is its channel's frequency, its edges are the centre -/+ half "
        "the bandwidth. It is valid on the channel raster of its spacing with its downlink "
        "inside the band (an SUL carrier's uplink). direction is downlink and uplink for "
        "FDD (a carrier whose uplink pair would leave the band is downlink-only and has "
        "the first row alone), both for TDD; n_rb is N_RB; point_a_* is Point A "
        "(absoluteFrequencyPointA), offset-to-carrier resource blocks below the lowest "
        "subcarrier, for NR only.",
    .columns = kColumns,
    .example = "tarnvale-cli carrier NR n78 636666 --bandwidth 100",
    .run = run};

}  // namespace tarnvale::cli::commands

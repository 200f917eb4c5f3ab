#include "cli/arguments.h"
#include "cli/carrier_reading.h"
#include "cli/cell_reading.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/values.h"
#include "engine/nr_raster.h"
#include "report/carrier_columns.h"
#include "report/rows.h"

namespace tarnvale::cli::commands {
namespace {

void writeCarrier(report::Rows<report::kCarrierColumns>& rows, const BandwidthCarrier& carrier) {
    for (const auto& row : report::carrierRows(carrier)) {
        rows.write(row);
    }
}

// carrier NR BAND --point-a N --carrier-rbs R --scs KHZ: the carrier those fields draw, said
// where it is no valid carrier.
void fromPointA(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    if (request.arguments.size() != 2) {
        diagnostics.badInput("carrier takes channels or --point-a, not both");
        return;
    }
    const auto band = readNrBand(request, "carrier --point-a", diagnostics);
    OptionReader read(request, diagnostics);
    const auto pointA = read.required(kPointAOption, 0, kLastNrArfcn, "absoluteFrequencyPointA");
    const auto rbs = read.required(kCarrierRbsOption, 1, 275, "carrierBandwidth");
    const auto scs = read.required(kScsOption, 15, 960, "subcarrierSpacing");
    const auto offset = read.number(kOffsetToCarrierOption, 0, 2199, "offsetToCarrier");
    if (!band || !read.ok()) {
        return;
    }
    const auto drawn = diagnostics.accept(carrierFromPointA(
        *band, static_cast<Channel>(*pointA), static_cast<int>(*rbs),
        static_cast<std::int32_t>(*scs), static_cast<std::int32_t>(offset.value_or(0))));
    if (!drawn) {
        return;
    }
    report::Rows<report::kCarrierColumns> rows(out, request.style);
    writeCarrier(rows, drawn->carrier);
    if (!drawn->problem.empty()) {
        diagnostics.warning(drawn->problem);
    }
}

// Carriers that are fine are printed even when others are not, as convert does.
void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    if (request.given(kPointAOption)) {
        fromPointA(request, out, diagnostics);
        return;
    }
    if (request.arguments.size() < 3) {
        diagnostics.badInput("carrier needs a format, a band and channels, or --point-a");
        return;
    }
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
            writeCarrier(rows, *carrier);
        }
    });
}

constexpr Argument kArguments[] = {kFormatArgument,
                                   kBandArgument,
                                   {.name = kChannelsArgument.name,
                                    .help = kChannelsArgument.help,
                                    .optional = true,
                                    .repeats = true,
                                    .standardInput = true}};
constexpr const Option* kOptions[] = {&kBandwidthOption, &kScsOption, &kOffsetToCarrierOption,
                                      &kPointAOption, &kCarrierRbsOption};
constexpr auto kColumns = report::namesOf(report::kCarrierColumns);

}  // namespace

const Command carrier{
    .name = "carrier",
    .summary = "a carrier of a bandwidth: its edges and Point A",
    .arguments = kArguments,
    .whenTooFew = "carrier needs a format, a band and channels, or --point-a",
    .options = kOptions,
    .details =
        "A carrier's centre is its channel's frequency, its edges are the centre -/+ half "
        "the bandwidth. It is valid on the channel raster of its spacing with its downlink "
        "inside the band (an SUL carrier's uplink). direction is downlink and uplink for "
        "FDD (a carrier whose uplink pair would leave the band is downlink-only and has "
        "the first row alone), both for TDD; n_rb is N_RB; point_a_* is Point A "
        "(absoluteFrequencyPointA), offset-to-carrier resource blocks below the lowest "
        "subcarrier, for NR only. With --point-a, --carrier-rbs and --scs in place of "
        "channels, the NR carrier those fields draw: its centre follows, and where it is no "
        "valid carrier a line says why (status 1).",
    .columns = kColumns,
    .example = "tarnvale-cli carrier NR n78 636666 --bandwidth 100",
    .run = run};

}  // namespace tarnvale::cli::commands

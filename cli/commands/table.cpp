#include "cli/arguments.h"
#include "cli/carrier_reading.h"
#include "cli/channel_details.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "engine/band_names.h"
#include "engine/band_table.h"
#include "engine/channel_list.h"
#include "report/carrier_columns.h"
#include "report/channel_columns.h"
#include "report/rows.h"

namespace tarnvale::cli::commands {
namespace {

constexpr Option kCarriersOption{
    .flag = "--carriers",
    .help = "with --bandwidth: one carrier row for each valid channel, as `carrier` writes it"};

// table FORMAT BAND --bandwidth MHZ: the channels where a carrier of that bandwidth is valid.
void carrierTable(const Request& request, std::optional<BandRef> band, report::Sink& out,
                  Diagnostics& diagnostics) {
    if (!band) {
        diagnostics.badInput("table with --bandwidth needs a format and a band");
        return;
    }
    const auto shape = readCarrierShape(request, *band, diagnostics);
    if (!shape) {
        return;
    }
    const auto valid = carrierChannels(*band, *shape);
    if (valid.empty()) {
        diagnostics.warning(noValidChannelText(*band, *shape));
    }
    if (request.given(kCarriersOption)) {
        report::Rows<report::kCarrierColumns> rows(out, request.style);
        valid.forEach([&](Channel channel) {
            if (const auto carrier = carrierAt(*band, channel, *shape).value) {
                for (const auto& row : report::carrierRows(*carrier)) {
                    rows.write(row);
                }
            }
        });
        return;
    }
    report::Rows<report::kChannelColumns> rows(out, request.style);
    forEachChannelRecord(*band, [&](const ChannelRecord& r) {
        if (r.index && valid.contains(r.channel)) {
            rows.write(r);
        }
    });
}

void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    std::span<const BandRef> bands = bandTable();
    std::optional<BandRef> one;
    if (request.arguments.size() == 2) {
        one = diagnostics.accept(resolveBand(request.arguments[0], request.arguments[1]));
        if (!one) {
            return;
        }
        bands = {&*one, 1};
    } else if (request.arguments.size() == 1) {
        const auto format = diagnostics.accept(resolveFormat(request.arguments[0]));
        if (!format) {
            return;
        }
        bands = bandsOf(*format);
    }
    if (request.given(kBandwidthOption) || request.given(kScsOption)) {
        carrierTable(request, one, out, diagnostics);
        return;
    }
    report::Rows<report::kChannelColumns> rows(out, request.style);
    for (const BandRef band : bands) {
        forEachChannelRecord(band, [&rows](const ChannelRecord& r) { rows.write(r); });
    }
}

constexpr Argument kArguments[] = {
    {.name = kFormatArgument.name, .help = kFormatArgument.help, .optional = true},
    {.name = kBandArgument.name, .help = kBandArgument.help, .optional = true}};
constexpr const Option* kOptions[] = {&kBandwidthOption, &kScsOption, &kOffsetToCarrierOption,
                                      &kCarriersOption};
constexpr auto kColumns = report::namesOf(report::kChannelColumns);
constexpr auto kCarrierColumns = report::namesOf(report::kCarrierColumns);
constexpr OtherRows kOtherRows[] = {
    {.intro = "With --bandwidth, the channels where a carrier of that bandwidth is valid; with "
              "--carriers too, their carrier rows, with the columns",
     .columns = kCarrierColumns}};

}  // namespace

const Command table{.name = "table",
                    .summary = "every channel of a band, of a format's bands, or of all",
                    .arguments = kArguments,
                    .options = kOptions,
                    .details = kChannelDetails,
                    .columns = kColumns,
                    .otherRows = kOtherRows,
                    .example = "tarnvale-cli table WCDMA \"Band I\"",
                    .run = run};

}  // namespace tarnvale::cli::commands

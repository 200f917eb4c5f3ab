#include "cli/arguments.h"
#include "cli/channel_details.h"
#include "cli/commands.h"
#include "cli/values.h"
#include "engine/band_names.h"
#include "engine/channel_list.h"
#include "report/channel_columns.h"
#include "report/rows.h"

namespace tarnvale::cli::commands {
namespace {

// Channels that are fine are printed even when others are not, so nothing is lost to one typo.
void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto band = diagnostics.accept(resolveBand(request.arguments[0], request.arguments[1]));
    if (!band) {
        return;
    }
    report::Rows<report::kChannelColumns> rows(out, request.style);
    forEachValue(request, 2, out, diagnostics, [&](std::string_view text) {
        const auto channel = diagnostics.accept(readChannelNumber(text));
        if (!channel) {
            return;
        }
        const auto records = channelRecords(*band, *channel);
        if (records.empty()) {
            diagnostics.badInput(channelNotInBandText(*band, *channel));
        }
        for (const auto& record : records) {
            rows.write(record);
        }
    });
}

constexpr Argument kArguments[] = {kFormatArgument, kBandArgument, kChannelsArgument};
constexpr auto kColumns = report::namesOf(report::kChannelColumns);

}  // namespace

const Command convert{.name = "convert",
                      .summary = "carrier frequencies of channels of a band",
                      .arguments = kArguments,
                      .whenTooFew = "convert needs a format, a band and channels",
                      .details = kChannelDetails,
                      .columns = kColumns,
                      .example = "tarnvale-cli convert LTE 3 1300",
                      .run = run};

}  // namespace tarnvale::cli::commands

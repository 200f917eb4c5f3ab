#include "engine/lookup.h"
#include "cli/arguments.h"
#include "cli/channel_details.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/values.h"
#include "engine/band_names.h"
#include "report/channel_columns.h"
#include "report/rows.h"

namespace tarnvale::cli::commands {
namespace {

void run(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    std::optional<Format> format;
    if (const auto name = request.value(kFormatOption)) {
        if (!(format = diagnostics.accept(resolveFormat(*name)))) {
            return;
        }
    }
    const bool wrapped = request.given(kEarfcnWrappedOption);
    if (wrapped && format && *format != Format::Lte) {
        diagnostics.badInput("--earfcn-wrapped is for LTE: EARFCNs are the numbers that wrap");
        return;
    }
    report::Rows<report::kChannelColumns> rows(out, request.style);
    forEachValue(request, 0, out, diagnostics, [&](std::string_view text) {
        const auto channel = diagnostics.accept(readChannelNumber(text));
        if (!channel) {
            return;
        }
        auto records = lookupChannel(*channel, format);
        if (wrapped && *channel < kEarfcnWrap) {
            const auto more = lookupChannel(*channel + kEarfcnWrap, Format::Lte);
            records.insert(records.end(), more.begin(), more.end());
        }
        if (records.empty()) {
            diagnostics.warning(noBandHasChannelText(*channel, format));
        }
        for (const auto& record : records) {
            rows.write(record);
        }
    });
}

constexpr Argument kArguments[] = {kChannelsArgument};
constexpr const Option* kOptions[] = {&kFormatOption, &kEarfcnWrappedOption};
constexpr auto kColumns = report::namesOf(report::kChannelColumns);

}  // namespace

const Command lookup{.name = "lookup",
                     .summary = "every band that has a channel number, downlink or uplink",
                     .arguments = kArguments,
                     .whenTooFew = "lookup needs channel numbers",
                     .options = kOptions,
                     .details = kChannelDetails,
                     .columns = kColumns,
                     .example = "tarnvale-cli lookup 512",
                     .run = run};

}  // namespace tarnvale::cli::commands

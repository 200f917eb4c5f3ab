#include <optional>

#include "cli/commands.h"
#include "engine/band_names.h"
#include "engine/band_table.h"
#include "engine/channel_list.h"
#include "engine/lookup.h"
#include "engine/number_text.h"
#include "report/channel_columns.h"
#include "report/rows.h"

// convert, table and lookup: channel records as rows.
namespace tarnvale::cli {

// Channels that are fine are printed even when others are not, so nothing is lost to one typo.
void convertCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    const auto band = diagnostics.accept(resolveBand(request.arguments[0], request.arguments[1]));
    if (!band) {
        return;
    }
    report::Rows<report::kChannelColumns> rows(out, request.style);
    for (std::size_t i = 2; i < request.arguments.size(); ++i) {
        const auto channel = diagnostics.accept(readChannelNumber(request.arguments[i]));
        if (!channel) {
            continue;
        }
        const auto records = channelRecords(*band, *channel);
        if (records.empty()) {
            diagnostics.badInput("channel " + channelText(*channel) + " is not in " +
                                 std::string(band->formatName()) + " \"" +
                                 std::string(band->name()) +
                                 "\" (valid channels: " + validChannelText(*band) + ")");
        }
        for (const auto& record : records) {
            rows.write(record);
        }
    }
}

void tableCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
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
    report::Rows<report::kChannelColumns> rows(out, request.style);
    for (const BandRef band : bands) {
        forEachChannelRecord(band, [&rows](const ChannelRecord& r) { rows.write(r); });
    }
}

void lookupCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
    std::optional<Format> format;
    if (request.format && !(format = diagnostics.accept(resolveFormat(*request.format)))) {
        return;
    }
    report::Rows<report::kChannelColumns> rows(out, request.style);
    for (const auto& text : request.arguments) {
        const auto channel = diagnostics.accept(readChannelNumber(text));
        if (!channel) {
            continue;
        }
        for (const auto& record : lookupChannel(*channel, format)) {
            rows.write(record);
        }
    }
}

}  // namespace tarnvale::cli

#include <optional>

#include "cli/carrier_options.h"
#include "cli/commands.h"
#include "cli/values.h"
#include "engine/band_names.h"
#include "engine/band_table.h"
#include "engine/channel_list.h"
#include "engine/lookup.h"
#include "engine/number_text.h"
#include "report/channel_columns.h"
#include "report/rows.h"

// convert, table and lookup: channel records as rows.
namespace tarnvale::cli {

namespace {

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
    report::Rows<report::kChannelColumns> rows(out, request.style);
    forEachChannelRecord(*band, [&](const ChannelRecord& r) {
        if (r.index && valid.contains(r.channel)) {
            rows.write(r);
        }
    });
}

}  // namespace

// Channels that are fine are printed even when others are not, so nothing is lost to one typo.
void convertCommand(const Request& request, report::Sink& out, Diagnostics& diagnostics) {
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
    if (request.bandwidth || request.scs) {
        carrierTable(request, one, out, diagnostics);
        return;
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
    forEachValue(request, 0, out, diagnostics, [&](std::string_view text) {
        const auto channel = diagnostics.accept(readChannelNumber(text));
        if (!channel) {
            return;
        }
        const auto records = lookupChannel(*channel, format);
        if (records.empty()) {
            diagnostics.warning(noBandHasChannelText(*channel, format));
        }
        for (const auto& record : records) {
            rows.write(record);
        }
    });
}

}  // namespace tarnvale::cli

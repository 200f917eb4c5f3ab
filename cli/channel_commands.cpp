#include <optional>

#include "cli/band_names.h"
#include "cli/commands.h"
#include "engine/band_table.h"
#include "engine/channel_list.h"
#include "engine/input_text.h"
#include "engine/lookup.h"
#include "engine/number_text.h"
#include "report/channel_rows.h"

// convert, table and lookup: channel records as rows.
namespace tarnvale::cli {
namespace {

std::optional<Channel> readChannel(std::string_view text, std::string& err) {
    auto reading = readChannelNumber(text);
    if (!reading.value) {
        err += "tarnvale-cli: " + reading.problem + "\n";
    }
    return reading.value;
}

}  // namespace

// Channels that are fine are printed even when others are not, so nothing is lost to one typo.
int convertCommand(const Request& request, report::Sink& out, std::string& err) {
    const auto band = resolveBand(request.arguments[0], request.arguments[1], err);
    if (!band) {
        return kExitBadInput;
    }
    report::ChannelRows rows(out, request.style);
    int status = kExitOk;
    for (std::size_t i = 2; i < request.arguments.size(); ++i) {
        const auto channel = readChannel(request.arguments[i], err);
        const auto records =
            channel ? channelRecords(*band, *channel) : std::vector<ChannelRecord>{};
        if (channel && records.empty()) {
            err += "tarnvale-cli: channel " + channelText(*channel) + " is not in " +
                   std::string(band->formatName()) + " \"" + std::string(band->name()) +
                   "\" (valid channels: " + validChannelText(*band) + ")\n";
        }
        if (records.empty()) {
            status = kExitBadInput;
        }
        for (const auto& record : records) {
            rows.write(record);
        }
    }
    return status;
}

int tableCommand(const Request& request, report::Sink& out, std::string& err) {
    std::span<const BandRef> bands = bandTable();
    std::optional<BandRef> one;
    if (request.arguments.size() == 2) {
        one = resolveBand(request.arguments[0], request.arguments[1], err);
        if (!one) {
            return kExitBadInput;
        }
        bands = {&*one, 1};
    } else if (request.arguments.size() == 1) {
        const auto format = resolveFormat(request.arguments[0], err);
        if (!format) {
            return kExitBadInput;
        }
        bands = bandsOf(*format);
    }
    report::ChannelRows rows(out, request.style);
    for (const BandRef band : bands) {
        forEachChannelRecord(band, [&rows](const ChannelRecord& r) { rows.write(r); });
    }
    return kExitOk;
}

int lookupCommand(const Request& request, report::Sink& out, std::string& err) {
    std::optional<Format> format;
    if (request.format) {
        format = resolveFormat(*request.format, err);
        if (!format) {
            return kExitBadInput;
        }
    }
    report::ChannelRows rows(out, request.style);
    int status = kExitOk;
    for (const auto& text : request.arguments) {
        const auto channel = readChannel(text, err);
        if (!channel) {
            status = kExitBadInput;
            continue;
        }
        for (const auto& record : lookupChannel(*channel, format)) {
            rows.write(record);
        }
    }
    return status;
}

}  // namespace tarnvale::cli

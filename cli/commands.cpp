#include "cli/commands.h"

#include <array>
#include <limits>

#include "cli/band_names.h"
#include "cli/cli.h"
#include "cli/csv.h"
#include "cli/find_command.h"
#include "engine/band_table.h"
#include "engine/channel_list.h"
#include "engine/conversion.h"
#include "engine/number_text.h"

namespace tarnvale::cli {
namespace {

constexpr std::string_view kDot = ".";
constexpr std::size_t kTypicalRecordSize = 72;  // bytes, a little above the mean

void appendChannelHeader(std::string& out) {
    appendCsvRecord(out, {"format", "band", "index", "channel", "forward_mhz", "reverse_mhz",
                          "gap_mhz", "spacing_khz", "dl_channel"});
}

// Writes the records of one band; the band's rule and texts are looked up once.
class ChannelRecordWriter {
  public:
    ChannelRecordWriter(std::string& out, BandRef band) : out_(out), band_(band) {
        appendCsvField(prefix_, band.formatName());
        prefix_ += ',';
        appendCsvField(prefix_, band.name());
        prefix_ += ',';
    }

    void write(std::size_t index, Channel channel) {
        const auto c = convertChannel(band_, channel);
        out_ += prefix_;
        appendChannel(out_, static_cast<int>(index));
        out_ += ',';
        appendChannel(out_, channel);
        out_ += ',';
        appendFrequency(out_, c.forward, kDot);
        out_ += ',';
        appendFrequency(out_, c.reverse, kDot);
        out_ += ',';
        gap_.append(out_, c.forward - c.reverse);
        out_ += ',';
        spacing_.append(out_, c.spacing);
        out_ += ',';
        if (const auto dl = pairedDownlinkChannel(band_, channel)) {
            appendChannel(out_, *dl);
        }
        out_ += "\r\n";
    }

  private:
    // Gaps and spacings repeat from one channel to the next; their text is reused.
    struct RepeatedNumber {
        double value = std::numeric_limits<double>::quiet_NaN();
        std::string text;

        void append(std::string& out, double next) {
            if (next != value) {
                value = next;
                text = formatNumber(next, kDot);
            }
            out += text;
        }
    };

    std::string& out_;
    BandRef band_;
    std::string prefix_;
    RepeatedNumber gap_;
    RepeatedNumber spacing_;
};

void appendBandTable(std::string& out, BandRef band) {
    ChannelRecordWriter writer(out, band);
    const std::size_t count = channelCount(band);
    for (std::size_t i = 0; i < count; ++i) {
        writer.write(i, channelAt(band, i));
    }
}

int bandsCommand(Args, std::string& out, std::string&) {
    appendCsvRecord(out, {"format", "band"});
    for (const auto& band : bandTable()) {
        appendCsvRecord(out, {formatName(band.format), band.name});
    }
    return kExitOk;
}

int planCommand(Args args, std::string& out, std::string& err) {
    const auto ref = resolveBand(args[0], args[1], err);
    if (!ref) {
        return kExitBadInput;
    }
    const auto& window = (*ref)->plan.window;
    appendCsvRecord(out, {"format", "band", "valid_channels", "channel_count", "window_start_mhz",
                          "window_stop_mhz"});
    appendCsvRecord(out, {ref->formatName(), ref->name(), validChannelText(*ref),
                          std::to_string(channelCount(*ref)), formatNumber(window.start, kDot),
                          formatNumber(window.stop, kDot)});
    return kExitOk;
}

// Channels that are fine are printed even when others are not, so nothing is lost to one typo.
int convertCommand(Args args, std::string& out, std::string& err) {
    const auto ref = resolveBand(args[0], args[1], err);
    if (!ref) {
        return kExitBadInput;
    }
    appendChannelHeader(out);
    ChannelRecordWriter writer(out, *ref);
    int status = kExitOk;
    for (const auto text : args.subspan(2)) {
        const auto channel = parseChannel(text);
        if (!channel) {
            err += "tarnvale-cli: \"" + std::string(text) +
                   "\" is not a channel number (a whole number)\n";
            status = kExitBadInput;
            continue;
        }
        const auto index = channelIndex(*ref, *channel);
        if (!index) {
            err += "tarnvale-cli: channel " + formatChannel(*channel) + " is not in " +
                   std::string(ref->formatName()) + " \"" + std::string(ref->name()) +
                   "\" (valid channels: " + validChannelText(*ref) + ")\n";
            status = kExitBadInput;
            continue;
        }
        writer.write(*index, *channel);
    }
    return status;
}

int tableCommand(Args args, std::string& out, std::string& err) {
    if (args.size() == 2) {
        const auto ref = resolveBand(args[0], args[1], err);
        if (!ref) {
            return kExitBadInput;
        }
        appendChannelHeader(out);
        appendBandTable(out, *ref);
        return kExitOk;
    }
    std::span<const Band> bands = bandTable();
    if (args.size() == 1) {
        const auto format = resolveFormat(args[0], err);
        if (!format) {
            return kExitBadInput;
        }
        bands = bandsOf(*format);
    }
    std::size_t rows = 0;
    for (const auto& band : bands) {
        rows += channelCount(BandRef(band));
    }
    out.reserve(out.size() + rows * kTypicalRecordSize);
    appendChannelHeader(out);
    for (const auto& band : bands) {
        appendBandTable(out, BandRef(band));
    }
    return kExitOk;
}

constexpr std::array<Command, 5> kCommands = {{
    {"bands", 0, 0, bandsCommand},
    {"plan", 2, 2, planCommand},
    {"convert", 3, std::numeric_limits<std::size_t>::max(), convertCommand},
    {"table", 0, 2, tableCommand},
    {"find", 1, 3, findCommand},
}};

}  // namespace

std::span<const Command> commandTable() {
    return kCommands;
}

}  // namespace tarnvale::cli

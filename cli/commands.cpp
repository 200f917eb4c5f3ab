#include "commands.h"

#include <array>
#include <limits>

#include "band_ref.h"
#include "cli.h"
#include "conversion.h"
#include "csv.h"
#include "find_command.h"
#include "number_text.h"
#include "wcdma_pairing.h"

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
    ChannelRecordWriter(std::string& out, const BandRef& ref)
        : out_(out), ref_(ref), convert_(ref.band, ref.format), wcdma_(ref.format == "WCDMA") {
        appendCsvField(prefix_, ref.format);
        prefix_ += ',';
        appendCsvField(prefix_, ref.band);
        prefix_ += ',';
    }

    void write(std::size_t index, Channel channel) {
        const auto c = convert_(channel);
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
        if (wcdma_) {
            if (const auto dl = pairedDownlinkChannel(ref_.band, channel)) {
                appendChannel(out_, *dl);
            }
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
    const BandRef& ref_;
    BandConverter convert_;
    bool wcdma_;
    std::string prefix_;
    RepeatedNumber gap_;
    RepeatedNumber spacing_;
};

void appendBandTable(std::string& out, const BandRef& ref) {
    const auto list = buildChannelList(*ref.plan);
    ChannelRecordWriter writer(out, ref);
    for (std::size_t i = 0; i < list.size(); ++i) {
        writer.write(i, list[i]);
    }
}

int bandsCommand(Args, std::string& out, std::string&) {
    appendCsvRecord(out, {"format", "band"});
    for (const auto& format : radioFormats()) {
        for (const auto band : format.bands) {
            appendCsvRecord(out, {format.name, band});
        }
    }
    return kExitOk;
}

int planCommand(Args args, std::string& out, std::string& err) {
    const auto ref = resolveBand(args[0], args[1], err);
    if (!ref) {
        return kExitBadInput;
    }
    const auto& plan = *ref->plan;
    appendCsvRecord(out, {"format", "band", "valid_channels", "channel_count", "window_start_mhz",
                          "window_stop_mhz"});
    appendCsvRecord(out,
                    {ref->format, ref->band, plan.validChannels, std::to_string(channelCount(plan)),
                     formatNumber(plan.windowStart, kDot), formatNumber(plan.windowStop, kDot)});
    return kExitOk;
}

// Channels that are fine are printed even when others are not, so nothing is lost to one typo.
int convertCommand(Args args, std::string& out, std::string& err) {
    const auto ref = resolveBand(args[0], args[1], err);
    if (!ref) {
        return kExitBadInput;
    }
    const auto list = buildChannelList(*ref->plan);
    appendChannelHeader(out);
    ChannelRecordWriter writer(out, *ref);
    int status = kExitOk;
    for (const auto text : args.subspan(2)) {
        const auto channel = parseChannel(text);
        if (!channel) {
            err += "tarnvale-cli: \"" + std::string(text) +
                   "\" is not a channel number (a whole number from -32768 to 32767)\n";
            status = kExitBadInput;
            continue;
        }
        const auto index = findChannelIndex(list, *channel);
        if (index < 0) {
            err += "tarnvale-cli: channel " + formatChannel(*channel) + " is not in " +
                   std::string(ref->format) + " \"" + std::string(ref->band) +
                   "\" (valid channels: " + std::string(ref->plan->validChannels) + ")\n";
            status = kExitBadInput;
            continue;
        }
        writer.write(static_cast<std::size_t>(index), *channel);
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
    std::span<const RadioFormat> formats = radioFormats();
    if (args.size() == 1) {
        const auto* format = resolveFormat(args[0], err);
        if (format == nullptr) {
            return kExitBadInput;
        }
        formats = {format, 1};
    }
    std::size_t rows = 0;
    for (const auto& format : formats) {
        for (const auto band : format.bands) {
            rows += channelCount(*bandRef(format, band).plan);
        }
    }
    out.reserve(out.size() + rows * kTypicalRecordSize);
    appendChannelHeader(out);
    for (const auto& format : formats) {
        for (const auto band : format.bands) {
            appendBandTable(out, bandRef(format, band));
        }
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

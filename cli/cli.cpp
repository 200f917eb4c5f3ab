#include "cli/cli.h"

#include "cli/commands.h"
#include "engine/version.h"

namespace tarnvale::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: tarnvale-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Cellular radio channel calculator. Output is CSV with a header line.\n"
    "\n"
    "Commands:\n"
    "  bands                              every band of every format\n"
    "  plan FORMAT BAND                   a band's valid channels and band window\n"
    "  convert FORMAT BAND CHANNEL...     carrier frequencies of the given channels\n"
    "  table [FORMAT [BAND]]              every channel of a band, of a format's bands,\n"
    "                                     or of every band\n"
    "  find FREQUENCY_MHZ [--tolerance-khz K]\n"
    "                                     every carrier within K kHz of a frequency\n"
    "                                     (default 0: equal at four decimals)\n"
    "\n"
    "Options:\n"
    "  -h, --help                         show this help\n"
    "  -V, --version                      show the version\n"
    "\n"
    "FORMAT and BAND are names exactly as `tarnvale-cli bands` lists them; quote names\n"
    "with spaces, e.g. tarnvale-cli convert CDMA \"Cell 800\" 991\n"
    "Exit status: 0 on success, 2 on bad input.\n";

int usageError(std::string& err, std::string_view message) {
    err += "tarnvale-cli: ";
    err += message;
    err += "\nTry 'tarnvale-cli --help' for more information.\n";
    return kExitBadInput;
}

}  // namespace

int run(std::span<const std::string_view> args, std::string& out, std::string& err) {
    if (args.empty()) {
        return usageError(err, "missing command");
    }
    const std::string_view command = args.front();
    const auto rest = args.subspan(1);
    if (command == "-h" || command == "--help") {
        out += kUsage;
        return kExitOk;
    }
    if (command == "-V" || command == "--version") {
        out += "tarnvale-cli ";
        out += kVersion;
        out += '\n';
        return kExitOk;
    }
    for (const auto& entry : commandTable()) {
        if (entry.name != command) {
            continue;
        }
        if (rest.size() < entry.minArgs || rest.size() > entry.maxArgs) {
            return usageError(
                err, std::string("wrong number of arguments for '") + std::string(command) + "'");
        }
        return entry.run(rest, out, err);
    }
    return usageError(err, "unknown command '" + std::string(command) + "'");
}

}  // namespace tarnvale::cli

// The find command's frequency and tolerance texts: bad text is refused with status 2, a
// search that finds nothing ends with status 1, and every row found lies within the tolerance
// asked for; a zero tolerance compares at four
// decimals, which allows half a unit of the fourth decimal (0.05 kHz).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "engine/carrier_search.h"
#include "engine/input_text.h"
#include "engine/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find('\0');
    const auto frequency = input.substr(0, split);
    const auto tolerance = split == std::string_view::npos ? "0" : input.substr(split + 1);
    if (frequency == "-") {
        return 0;  // a lone "-" reads the frequencies from standard input
    }
    // Blanks around a value are no part of it.
    const auto mhz = tarnvale::parseNumber(tarnvale::trimmed(frequency), ".");
    const auto khz = tarnvale::parseNumber(tarnvale::trimmed(tolerance), ".");
    const bool valid = mhz && khz && *khz >= 0 && *mhz >= 0;
    // A search 10 MHz wide or more lists a large part of the catalogue: such searches, huge
    // numbers among them, run in AMPS, the format of one band, so each input stays quick.
    const bool wide = valid && *khz >= 1e4;
    const std::optional<tarnvale::Format> format =
        wide ? std::optional(tarnvale::Format::Amps) : std::nullopt;
    tarnvale::report::StringSink out;
    std::string err;
    // The texts are the option's value and the argument, whatever they look like ("-h" too).
    const std::string toleranceOption = "--tolerance-khz=" + std::string(tolerance);
    std::vector<std::string_view> args = {"find", toleranceOption};
    if (wide) {
        args.insert(args.end(), {"--format", "AMPS"});
    }
    args.insert(args.end(), {"--", frequency});
    const int status = tarnvale::cli::run(args, out, err);
    if (!valid) {
        if (status != tarnvale::cli::kExitBadInput) {
            std::abort();
        }
        return 0;
    }
    // Nothing found is said, with status 1.
    const auto matches = tarnvale::findCarriers(*mhz, *khz, format);
    if (status != (matches.empty() ? tarnvale::cli::kExitFailure : tarnvale::cli::kExitOk)) {
        std::abort();
    }
    const double allowed = std::fmax(*khz, 0.05) + 1e-3;
    for (const auto& match : matches) {
        if (std::fabs(match.offsetKhz) > allowed) {
            std::abort();
        }
    }
    return 0;
}

// Whole command lines of tarnvale-cli, arguments split at NUL bytes: every run ends with status
// 0, 1 (nothing found) or 2 (bad input), and a message comes exactly with a status other than
// 0. A table of a whole format or of every format runs to a million rows; those commands are
// left to the tests, which run them once. Standard input is empty.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> args;
    std::size_t start = 0;
    while (start <= input.size() && args.size() < 64) {
        const auto end = input.find('\0', start);
        args.push_back(input.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    const auto words = std::ranges::count_if(args, [](auto a) { return !a.starts_with('-'); });
    if (std::ranges::find(args, "table") != args.end() && words < 3) {
        return 0;
    }
    // annotate reads a file it is given; a device such as /dev/zero never ends.
    if (std::ranges::find(args, "annotate") != args.end() &&
        std::ranges::any_of(args, [](auto a) { return a.starts_with('/'); })) {
        return 0;
    }
    tarnvale::report::StringSink out;
    std::string err;
    const int status = tarnvale::cli::run(args, out, err);
    const bool explained = (status != tarnvale::cli::kExitOk) == !err.empty();
    if (status < tarnvale::cli::kExitOk || status > tarnvale::cli::kExitBadInput || !explained) {
        std::abort();
    }
    return 0;
}

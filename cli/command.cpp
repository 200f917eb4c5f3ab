#include "cli/command.h"

#include <algorithm>
#include <limits>

namespace tarnvale::cli {

std::string usageOf(const Command& command) {
    std::string usage;
    std::size_t open = 0;
    for (const auto& argument : command.arguments) {
        usage += usage.empty() ? "" : " ";
        if (argument.optional) {
            usage += '[';
            ++open;
        }
        usage += argument.name;
        usage += argument.repeats ? "..." : "";
    }
    return usage + std::string(open, ']');
}

std::size_t fewestArguments(const Command& command) {
    return static_cast<std::size_t>(
        std::ranges::count(command.arguments, false, &Argument::optional));
}

std::size_t mostArguments(const Command& command) {
    const bool repeats = !command.arguments.empty() && command.arguments.back().repeats;
    return repeats ? std::numeric_limits<std::size_t>::max() : command.arguments.size();
}

}  // namespace tarnvale::cli

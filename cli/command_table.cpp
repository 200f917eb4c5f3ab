#include <array>

#include "cli/commands.h"

namespace tarnvale::cli {

std::span<const Command* const> commandTable() {
    // In the order the help lists them.
    static constexpr std::array kCommands = {
        &commands::bands,   &commands::plan,     &commands::convert,  &commands::table,
        &commands::lookup,  &commands::find,     &commands::gscn,     &commands::bandwidths,
        &commands::carrier, &commands::ssb,      &commands::coreset0, &commands::config,
        &commands::check,   &commands::ca,       &commands::annotate,
    };
    return kCommands;
}

}  // namespace tarnvale::cli

#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace tarnvale::cli {

using Args = std::span<const std::string_view>;

struct Command {
    std::string_view name;
    std::size_t minArgs;
    std::size_t maxArgs;
    int (*run)(Args args, std::string& out, std::string& err);
};

std::span<const Command> commandTable();

}  // namespace tarnvale::cli

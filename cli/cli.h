#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tarnvale::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 2;

// Runs one command line (without the program name). Standard output goes to `out`, messages
// to `err`; the result is the exit status.
int run(std::span<const std::string_view> args, std::string& out, std::string& err);

}  // namespace tarnvale::cli

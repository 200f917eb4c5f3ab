#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "cli/command.h"
#include "engine/band_ref.h"

// An NR cell's fields as a command line gives them.
namespace tarnvale::cli {

// The NR band the first two arguments name, or nullopt with the problem said.
std::optional<BandRef> readNrBand(const Request& request, std::string_view command,
                                  Diagnostics& diagnostics);

// Reads options one after another; a bad one is said, and ok() turns false.
class OptionReader {
  public:
    OptionReader(const Request& request, Diagnostics& diagnostics)
        : request_(request), diagnostics_(diagnostics) {}

    // The option's whole number from `low` to `high`, or nullopt where it is not given or bad.
    std::optional<std::int64_t> number(const Option& option, std::int64_t low, std::int64_t high,
                                       std::string_view what);
    // The same for an option that must be given.
    std::optional<std::int64_t> required(const Option& option, std::int64_t low, std::int64_t high,
                                         std::string_view what);
    bool ok() const { return ok_; }

  private:
    const Request& request_;
    Diagnostics& diagnostics_;
    bool ok_ = true;
};

}  // namespace tarnvale::cli

#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "engine/band_ref.h"

// A band's list of channels, in the order the window walks it. Lists are described by runs and
// indexed by arithmetic; none is ever built to answer a question.
namespace tarnvale {

std::size_t channelCount(BandRef band);

// The channel at `index`, which must be below channelCount().
Channel channelAt(BandRef band, std::size_t index);

// The place of `channel` in the list, or nullopt where the band does not list it.
std::optional<std::size_t> channelIndex(BandRef band, Channel channel);

// The valid channels as the window's caption names them, e.g. "1-799, 991-1023".
std::string validChannelText(BandRef band);

}  // namespace tarnvale

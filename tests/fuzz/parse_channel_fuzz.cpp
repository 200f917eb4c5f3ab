// Channel text as typed, pasted or given on a command line: parsing never fails loudly, and
// whatever parses writes back as text that parses to the same channel.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto channel = tarnvale::parseChannel(text);
    if (channel && tarnvale::parseChannel(tarnvale::channelText(*channel)) != channel) {
        std::abort();
    }
    return 0;
}

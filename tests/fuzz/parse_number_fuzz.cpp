// Number text read back from captions in any decimal separator: a parsed value is finite and
// its general text reads back to within the 15 digits it keeps.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string_view separator : {".", ",", "\u066B"}) {
        const auto value = tarnvale::parseNumber(text, separator);
        if (!value) {
            continue;
        }
        if (!std::isfinite(*value)) {
            std::abort();
        }
        const auto again =
            tarnvale::parseNumber(tarnvale::numberText(*value, separator), separator);
        if (!again || std::fabs(*again - *value) > std::fabs(*value) * 1e-14) {
            std::abort();
        }
        tarnvale::frequencyText(*value, separator);
    }
    return 0;
}

#include "catalogue.h"

#include <algorithm>
#include <array>

namespace tarnvale {
namespace {

constexpr std::array<std::string_view, 8> kCdmaBands = {
    "Cell 800", "US PCS 1900",    "Korea PCS",     "TACS (Japan)",
    "IMT2000",  "China Cellular", "Secondary 800", "NMT450"};
constexpr std::array<std::string_view, 9> kGsmBands = {"P-GSM 900", "E-GSM 900", "DCS 1800",
                                                       "GSM 850",   "PCS 1900",  "R-GSM 900",
                                                       "GSM 750",   "GSM 450",   "GSM 480"};
constexpr std::array<std::string_view, 6> kWcdmaBands = {"Band I",  "Band II", "Band III",
                                                         "Band IV", "Band V",  "Band VI"};
constexpr std::array<std::string_view, 2> kIs136Bands = {"Cell 800", "PCS 1900"};
constexpr std::array<std::string_view, 1> kAmpsBands = {"Cell 800"};

constexpr std::array<RadioFormat, 5> kFormats = {{
    {"CDMA", kCdmaBands},
    {"GSM", kGsmBands},
    {"WCDMA", kWcdmaBands},
    {"IS-136", kIs136Bands},
    {"AMPS", kAmpsBands},
}};

}  // namespace

std::span<const RadioFormat> radioFormats() {
    return kFormats;
}

std::string_view bandCaption(std::size_t formatIndex, std::size_t option) {
    if (formatIndex >= kFormats.size()) {
        return {};
    }
    const auto& bands = kFormats[formatIndex].bands;
    return option < bands.size() ? bands[option] : std::string_view{};
}

const RadioFormat* findFormat(std::string_view name) {
    const auto it = std::ranges::find(kFormats, name, &RadioFormat::name);
    return it == kFormats.end() ? nullptr : &*it;
}

bool formatHasBand(const RadioFormat& format, std::string_view band) {
    return std::ranges::find(format.bands, band) != format.bands.end();
}

}  // namespace tarnvale

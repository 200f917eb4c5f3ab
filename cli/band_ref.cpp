#include "band_ref.h"

#include <span>

namespace tarnvale::cli {
namespace {

std::string quotedList(std::span<const std::string_view> names) {
    std::string text;
    for (const auto name : names) {
        text += text.empty() ? "\"" : ", \"";
        text += name;
        text += '"';
    }
    return text;
}

}  // namespace

const RadioFormat* resolveFormat(std::string_view name, std::string& err) {
    if (const auto* format = findFormat(name)) {
        return format;
    }
    std::string valid;
    for (const auto& format : radioFormats()) {
        valid += valid.empty() ? "\"" : ", \"";
        valid += format.name;
        valid += '"';
    }
    err += "tarnvale-cli: unknown format \"" + std::string(name) + "\"; valid formats: " + valid +
           "\n";
    return nullptr;
}

std::optional<BandRef> resolveBand(std::string_view format, std::string_view band,
                                   std::string& err) {
    const auto* radioFormat = resolveFormat(format, err);
    if (radioFormat == nullptr) {
        return std::nullopt;
    }
    if (!formatHasBand(*radioFormat, band)) {
        err += "tarnvale-cli: format \"" + std::string(format) + "\" has no band \"" +
               std::string(band) + "\"; valid bands: " + quotedList(radioFormat->bands) + "\n";
        return std::nullopt;
    }
    return bandRef(*radioFormat, band);
}

BandRef bandRef(const RadioFormat& format, std::string_view band) {
    return {format.name, band, findChannelPlan(format.name, band)};
}

}  // namespace tarnvale::cli

#include "cli/band_names.h"

#include "engine/band_table.h"

namespace tarnvale::cli {
namespace {

void appendQuoted(std::string& list, std::string_view name) {
    list += list.empty() ? "\"" : ", \"";
    list += name;
    list += '"';
}

}  // namespace

std::optional<Format> resolveFormat(std::string_view name, std::string& err) {
    if (const auto format = findFormat(name)) {
        return format;
    }
    std::string valid;
    for (const auto format : kFormats) {
        appendQuoted(valid, formatName(format));
    }
    err += "tarnvale-cli: unknown format \"" + std::string(name) + "\"; valid formats: " + valid +
           "\n";
    return std::nullopt;
}

std::optional<BandRef> resolveBand(std::string_view format, std::string_view band,
                                   std::string& err) {
    const auto found = resolveFormat(format, err);
    if (!found) {
        return std::nullopt;
    }
    if (const auto ref = findBand(*found, band)) {
        return ref;
    }
    std::string valid;
    for (const auto& known : bandsOf(*found)) {
        appendQuoted(valid, known.name);
    }
    err += "tarnvale-cli: format \"" + std::string(format) + "\" has no band \"" +
           std::string(band) + "\"; valid bands: " + valid + "\n";
    return std::nullopt;
}

}  // namespace tarnvale::cli

#include "ui/main/captioned_band.h"

namespace tarnvale {

// The window has always tested the format before the band name: "AMPS" has one band whatever
// the caption says, and "IS-136" takes its "PCS 1900" band for any caption but "Cell 800".
// That is also why "PCS 1900" finds the 30 kHz band under "IS-136" and the 200 kHz one under
// "GSM": the pair, not the name, decides. The other formats need the exact name. A caption no
// band has finds nothing: the window then keeps its list and shows a zero band window and
// zero carriers. Captions come from the band table, so only its own pairs arrive here.
std::optional<BandRef> captionedBand(std::string_view format, std::string_view band) {
    const auto found = findFormat(format);
    if (!found) {
        return std::nullopt;
    }
    switch (*found) {
        case Format::Amps:
            return findBand(Format::Amps, "Cell 800");
        case Format::Is136:
            return findBand(Format::Is136, band == "Cell 800" ? "Cell 800" : "PCS 1900");
        default:
            return findBand(*found, band);
    }
}

}  // namespace tarnvale

#include "ui/main/captioned_band.h"

#include <gtest/gtest.h>

namespace tarnvale {
namespace {

std::string found(const char* format, const char* band) {
    const auto ref = captionedBand(format, band);
    return ref ? std::string(ref->formatName()) + " " + std::string(ref->name()) : "none";
}

// The window tests the format first: AMPS has one band, IS-136 takes PCS 1900 for anything but
// Cell 800, and the other formats need a band name of their own, exactly.
TEST(CaptionedBand, FollowsTheFormatFirst) {
    const struct {
        const char* format;
        const char* band;
        const char* expected;
    } rows[] = {
        {"AMPS", "anything", "AMPS Cell 800"},
        {"IS-136", "Cell 800", "IS-136 Cell 800"},
        {"IS-136", "Band I", "IS-136 PCS 1900"},
        {"IS-136", "PCS 1900", "IS-136 PCS 1900"},
        {"GSM", "PCS 1900", "GSM PCS 1900"},
        {"CDMA", "TACS (Japan)", "CDMA TACS (Japan)"},
        {"cdma", "Cell 800", "none"},
        {"GSM", "Cell 800", "none"},
        {"CDMA", "NMT 450", "none"},
        {"CDMA", "cell 800", "none"},
        {"CDMA", "Cell 800 ", "none"},
        {"CDMA", "", "none"},
        {"CDMA", "PCS1900", "none"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(found(r.format, r.band), r.expected) << r.format << " / " << r.band;
    }
}

}  // namespace
}  // namespace tarnvale

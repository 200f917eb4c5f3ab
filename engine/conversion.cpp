#include "conversion.h"

#include <array>
#include <limits>
#include <optional>
#include <span>

#include "number_text.h"

namespace tarnvale {

enum class Shape { OffsetStep, DivideByFive };

// One sub-range of a band. Offset-step bands: F = base + step * (N - first), R = F - gap.
// Divide-by-five bands: R = N / 5 + base, F = R + the band's gap.
struct SubRange {
    Channel low;
    Channel high;
    Channel first;
    double base;
    double step;
    double gap;
    double spacing;
};

struct BandRule {
    std::string_view band;
    std::string_view format;  // empty: any format
    Shape shape;
    // Most bands assign their spacing before the sub-range test; the others only with a match.
    std::optional<double> bandSpacing;
    double divideByFiveGap;
    std::span<const SubRange> ranges;
};

namespace {

constexpr Channel kMinChannel = std::numeric_limits<Channel>::min();
constexpr Channel kMaxChannel = std::numeric_limits<Channel>::max();

constexpr std::array<SubRange, 2> kCell800 = {{
    {1, 799, 0, 870, 0.03, 45, 30},
    {991, 1023, 991, 869.04, 0.03, 45, 30},
}};
constexpr std::array<SubRange, 1> kIs136Pcs = {{{2, 1998, 2, 1930.08, 0.03, 80.04, 30}}};
constexpr std::array<SubRange, 1> kGsmPcs = {{{512, 810, 512, 1930.2, 0.2, 80, 200}}};
constexpr std::array<SubRange, 1> kPGsm = {{{1, 124, 0, 935, 0.2, 45, 200}}};
constexpr std::array<SubRange, 2> kEGsm = {{
    {0, 124, 0, 935, 0.2, 45, 200},
    {975, 1023, 975, 925.2, 0.2, 45, 200},
}};
constexpr std::array<SubRange, 2> kRGsm = {{
    {0, 124, 0, 935, 0.2, 45, 200},
    {955, 1023, 1024, 935, 0.2, 45, 200},
}};
constexpr std::array<SubRange, 1> kDcs = {{{512, 885, 512, 1805.2, 0.2, 95, 200}}};
constexpr std::array<SubRange, 1> kGsm850 = {{{128, 251, 128, 869.2, 0.2, 45, 200}}};
constexpr std::array<SubRange, 1> kGsm750 = {{{438, 511, 438, 777.2, 0.2, 30, 200}}};
constexpr std::array<SubRange, 1> kGsm450 = {{{259, 293, 259, 460.6, 0.2, 10, 200}}};
constexpr std::array<SubRange, 1> kGsm480 = {{{306, 340, 306, 489, 0.2, 10, 200}}};
constexpr std::array<SubRange, 1> kUsPcs = {{{0, 1199, 0, 1930, 0.05, 80, 50}}};
constexpr std::array<SubRange, 1> kKoreaPcs = {{{0, 599, 0, 1840, 0.05, 90, 50}}};
// The reverse carrier lies above the forward one here: a negative gap.
constexpr std::array<SubRange, 4> kTacs = {{
    {1, 799, 1, 860.0125, 0.0125, -55, 12.5},
    {801, 1039, 801, 843.0125, 0.0125, -55, 12.5},
    {1041, 1199, 1041, 832.0125, 0.0125, -55, 12.5},
    {1201, 1600, 1201, 838.0125, 0.0125, -55, 12.5},
}};
constexpr std::array<SubRange, 1> kImt2000 = {{{0, 1199, 0, 2110, 0.05, 190, 50}}};
constexpr std::array<SubRange, 4> kNmt450 = {{
    {1, 300, 1, 460, 0.025, 10, 25},
    {539, 871, 539, 421.675, 0.025, 10, 25},
    {1039, 1473, 1039, 461.31, 0.02, 10, 20},
    {1792, 2016, 1792, 489, 0.02, 10, 20},
}};
constexpr std::array<SubRange, 1> kChina = {{{0, 699, 0, 925, 0.05, 45, 50}}};
constexpr std::array<SubRange, 2> kSecondary800 = {{
    {0, 719, 0, 851, 0.025, 45, 25},
    {720, 919, 720, 935, 0.025, 39, 25},
}};
constexpr std::array<SubRange, 1> kAnyChannel = {{{kMinChannel, kMaxChannel, 0, 0, 0, 0, 200}}};
constexpr std::array<SubRange, 2> kBand2 = {{
    {12, 287, 0, 1850.1, 0, 0, 5000},
    {9262, 9538, 0, 0, 0, 0, 200},
}};
constexpr std::array<SubRange, 2> kBand4 = {{
    {1162, 1362, 0, 1480.1, 0, 0, 5000},
    {8562, 8763, 0, 0, 0, 0, 200},
}};
constexpr std::array<SubRange, 2> kBand5 = {{
    {782, 862, 0, 670.1, 0, 0, 0},
    {4132, 4233, 0, 0, 0, 0, 200},
}};
constexpr std::array<SubRange, 3> kBand6 = {{
    {812, 812, 0, 670.1, 0, 0, 5000},
    {837, 837, 0, 670.1, 0, 0, 5000},
    {4162, 4188, 0, 0, 0, 0, 200},
}};

constexpr auto kStep = Shape::OffsetStep;
constexpr auto kDiv5 = Shape::DivideByFive;
constexpr std::optional<double> kWithRange;

// In the order the names are tested; the first equal name (and format) decides.
constexpr std::array<BandRule, 24> kRules = {{
    {"Cell 800", "", kStep, 30, 0, kCell800},
    {"PCS 1900", "IS-136", kStep, 30, 0, kIs136Pcs},
    {"PCS 1900", "", kStep, 200, 0, kGsmPcs},
    {"P-GSM 900", "", kStep, 200, 0, kPGsm},
    {"E-GSM 900", "", kStep, 200, 0, kEGsm},
    {"R-GSM 900", "", kStep, 200, 0, kRGsm},
    {"DCS 1800", "", kStep, 200, 0, kDcs},
    {"GSM 850", "", kStep, 200, 0, kGsm850},
    {"GSM 750", "", kStep, 200, 0, kGsm750},
    {"GSM 450", "", kStep, 200, 0, kGsm450},
    {"GSM 480", "", kStep, 200, 0, kGsm480},
    {"US PCS 1900", "", kStep, 50, 0, kUsPcs},
    {"Korea PCS", "", kStep, 50, 0, kKoreaPcs},
    {"TACS (Japan)", "", kStep, 12.5, 0, kTacs},
    {"IMT2000", "", kStep, 50, 0, kImt2000},
    {"NMT450", "", kStep, kWithRange, 0, kNmt450},
    {"China Cellular", "", kStep, 50, 0, kChina},
    {"Secondary 800", "", kStep, 25, 0, kSecondary800},
    {"Band I", "", kDiv5, 200, 190, kAnyChannel},
    {"Band II", "", kDiv5, kWithRange, 80, kBand2},
    {"Band III", "", kDiv5, 200, 95, kAnyChannel},
    {"Band IV", "", kDiv5, kWithRange, 400, kBand4},
    {"Band V", "", kDiv5, kWithRange, 45, kBand5},
    {"Band VI", "", kDiv5, kWithRange, 45, kBand6},
}};

const BandRule* findRule(std::string_view band, std::string_view format) {
    for (const auto& rule : kRules) {
        if (rule.band == band && (rule.format.empty() || rule.format == format)) {
            return &rule;
        }
    }
    return nullptr;
}

const SubRange* findRange(const BandRule& rule, Channel channel) {
    for (const auto& range : rule.ranges) {
        if (channel >= range.low && channel <= range.high) {
            return &range;
        }
    }
    return nullptr;
}

}  // namespace

BandConverter::BandConverter(std::string_view band, std::string_view format)
    : rule_(findRule(band, format)) {}

Conversion BandConverter::operator()(Channel channel) const {
    Conversion result;
    if (rule_ == nullptr) {
        return result;
    }
    const BandRule& rule = *rule_;
    if (rule.bandSpacing) {
        result.spacing = *rule.bandSpacing;
    }
    const SubRange* range = findRange(rule, channel);
    if (rule.shape == Shape::OffsetStep) {
        if (range != nullptr) {
            const auto offset = static_cast<Channel>(channel - range->first);
            result.forward = range->base + range->step * static_cast<double>(offset);
            result.reverse = result.forward - range->gap;
        }
    } else {
        if (range != nullptr) {
            result.reverse = static_cast<double>(channel) / 5.0 + range->base;
        }
        // Computed even for a channel outside every sub-range, as the window always did.
        result.forward = result.reverse + rule.divideByFiveGap;
    }
    if (range != nullptr && !rule.bandSpacing) {
        result.spacing = range->spacing;
    }
    return result;
}

Conversion convertChannel(std::string_view band, std::string_view format, Channel channel) {
    return BandConverter(band, format)(channel);
}

std::string formatChannelSpacing(double spacingKhz, std::string_view decimalSeparator) {
    std::string text = "Channel spacing: ";
    if (spacingKhz == 0) {
        text += "variable";
    } else if (spacingKhz >= 1000) {
        appendNumber(text, spacingKhz / 1000, decimalSeparator);
        text += " MHz";
    } else {
        appendNumber(text, spacingKhz, decimalSeparator);
        text += " KHz";
    }
    return text;
}

}  // namespace tarnvale

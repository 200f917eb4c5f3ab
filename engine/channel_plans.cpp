#include "channel_plans.h"

#include <array>

namespace tarnvale {
namespace {

using Seg = ChannelSegment;

constexpr std::array<Seg, 2> kCell800Segs = {{{991, 33, 1}, {1, 799, 1}}};
constexpr std::array<Seg, 1> kIs136PcsSegs = {{{2, 1997, 1}}};
constexpr std::array<Seg, 1> kPGsmSegs = {{{1, 124, 1}}};
constexpr std::array<Seg, 2> kEGsmSegs = {{{975, 49, 1}, {0, 125, 1}}};
constexpr std::array<Seg, 1> kDcsSegs = {{{512, 374, 1}}};
constexpr std::array<Seg, 1> kGsmPcsSegs = {{{512, 299, 1}}};
constexpr std::array<Seg, 1> kGsm850Segs = {{{128, 124, 1}}};
constexpr std::array<Seg, 1> kGsm750Segs = {{{438, 74, 1}}};
constexpr std::array<Seg, 1> kGsm450Segs = {{{259, 35, 1}}};
constexpr std::array<Seg, 1> kGsm480Segs = {{{306, 35, 1}}};
constexpr std::array<Seg, 2> kRGsmSegs = {{{955, 69, 1}, {0, 125, 1}}};
constexpr std::array<Seg, 1> kBand1Segs = {{{9612, 277, 1}}};
constexpr std::array<Seg, 2> kBand2Segs = {{{12, 12, 25}, {9262, 277, 1}}};
constexpr std::array<Seg, 1> kBand3Segs = {{{8562, 352, 1}}};
constexpr std::array<Seg, 2> kBand4Segs = {{{1162, 9, 25}, {8562, 202, 1}}};
constexpr std::array<Seg, 5> kBand5Segs = {
    {{782, 1, 1}, {787, 1, 1}, {807, 1, 1}, {812, 3, 25}, {4132, 102, 1}}};
constexpr std::array<Seg, 2> kBand6Segs = {{{812, 2, 25}, {4162, 27, 1}}};
constexpr std::array<Seg, 1> k0To1199Segs = {{{0, 1200, 1}}};
constexpr std::array<Seg, 1> kKoreaSegs = {{{0, 600, 1}}};
constexpr std::array<Seg, 4> kTacsSegs = {
    {{1041, 159, 1}, {1201, 400, 1}, {801, 239, 1}, {1, 799, 1}}};
constexpr std::array<Seg, 4> kNmt450Segs = {
    {{539, 333, 1}, {1, 300, 1}, {1039, 435, 1}, {1792, 225, 1}}};
constexpr std::array<Seg, 1> kChinaSegs = {{{0, 700, 1}}};
constexpr std::array<Seg, 1> kSecondary800Segs = {{{0, 920, 1}}};

constexpr ChannelPlan kCell800{"1-799, 991-1023", kCell800Segs, 824.04, 893.97};
constexpr ChannelPlan kIs136Pcs{"2-1998", kIs136PcsSegs, 1850.04, 1989.96};
constexpr ChannelPlan kPGsm{"1-124", kPGsmSegs, 890.2, 959.8};
constexpr ChannelPlan kEGsm{"0-124, 975-1023", kEGsmSegs, 880.2, 959.8};
constexpr ChannelPlan kDcs{"512-885", kDcsSegs, 1710.2, 1879.8};
constexpr ChannelPlan kGsmPcs{"512-810", kGsmPcsSegs, 1850.2, 1989.8};
constexpr ChannelPlan kGsm850{"128-251", kGsm850Segs, 824.2, 893.8};
constexpr ChannelPlan kGsm750{"438-511", kGsm750Segs, 747.2, 791.8};
constexpr ChannelPlan kGsm450{"259-293", kGsm450Segs, 450.6, 467.4};
constexpr ChannelPlan kGsm480{"306-340", kGsm480Segs, 479, 495.8};
constexpr ChannelPlan kRGsm{"0-124, 955-1023", kRGsmSegs, 876.2, 959.8};
constexpr ChannelPlan kBand1{"UL: 9612-9888, DL: 10562-10838", kBand1Segs, 1922.4, 2167.6};
constexpr ChannelPlan kBand2{"UL: 12-287 [step 25], 9262-9538; DL: 412-687 [step 25], 9662-9938",
                             kBand2Segs, 1852.4, 1987.6};
constexpr ChannelPlan kBand3{"UL: 8562-8913; DL: 9037-9388", kBand3Segs, 1712.4, 1877.6};
constexpr ChannelPlan kBand4{
    "UL: 1162-1362 [step 25], 8562-8763; DL: 1462-1662 [step 25], 10562-10763", kBand4Segs, 1712.4,
    2152.6};
constexpr ChannelPlan kBand5{
    "UL: 782-862 [step variable], 4132-4233; DL: 1007-1087 [step variable], 4357-4458", kBand5Segs,
    826.4, 891.6};
constexpr ChannelPlan kBand6{"UL: 812, 837, 4162-4188; DL: 1037, 1062, 4387-4413", kBand6Segs,
                             832.4, 882.6};
constexpr ChannelPlan kUsPcs{"0-1199", k0To1199Segs, 1850, 1989.95};
constexpr ChannelPlan kImt2000{"0-1199", k0To1199Segs, 1920, 2169.95};
constexpr ChannelPlan kKoreaPcs{"0-599", kKoreaSegs, 1750, 1869.95};
constexpr ChannelPlan kTacs{"1-799, 801-1039, 1041-1199, 1201-1600", kTacsSegs, 832.0125, 924.9875};
constexpr ChannelPlan kNmt450{"1-300, 539-871, 1039-1473, 1792-2016", kNmt450Segs, 411.675, 493.48};
constexpr ChannelPlan kChina{"0-699", kChinaSegs, 880, 959.95};
constexpr ChannelPlan kSecondary800{"0-919", kSecondary800Segs, 806, 939.975};

// An empty band matches any band of its format; the first matching row wins.
struct PlanRow {
    std::string_view format;
    std::string_view band;
    const ChannelPlan* plan;
};

constexpr std::array<PlanRow, 26> kPlanRows = {{
    {"AMPS", "", &kCell800},
    {"IS-136", "Cell 800", &kCell800},
    {"IS-136", "", &kIs136Pcs},
    {"GSM", "P-GSM 900", &kPGsm},
    {"GSM", "E-GSM 900", &kEGsm},
    {"GSM", "DCS 1800", &kDcs},
    {"GSM", "PCS 1900", &kGsmPcs},
    {"GSM", "GSM 850", &kGsm850},
    {"GSM", "GSM 750", &kGsm750},
    {"GSM", "GSM 450", &kGsm450},
    {"GSM", "GSM 480", &kGsm480},
    {"GSM", "R-GSM 900", &kRGsm},
    {"WCDMA", "Band I", &kBand1},
    {"WCDMA", "Band II", &kBand2},
    {"WCDMA", "Band III", &kBand3},
    {"WCDMA", "Band IV", &kBand4},
    {"WCDMA", "Band V", &kBand5},
    {"WCDMA", "Band VI", &kBand6},
    {"CDMA", "Cell 800", &kCell800},
    {"CDMA", "US PCS 1900", &kUsPcs},
    {"CDMA", "IMT2000", &kImt2000},
    {"CDMA", "Korea PCS", &kKoreaPcs},
    {"CDMA", "TACS (Japan)", &kTacs},
    {"CDMA", "NMT450", &kNmt450},
    {"CDMA", "China Cellular", &kChina},
    {"CDMA", "Secondary 800", &kSecondary800},
}};

}  // namespace

const ChannelPlan* findChannelPlan(std::string_view format, std::string_view band) {
    for (const auto& row : kPlanRows) {
        if (row.format == format && (row.band.empty() || row.band == band)) {
            return row.plan;
        }
    }
    return nullptr;
}

std::size_t channelCount(const ChannelPlan& plan) {
    std::size_t count = 0;
    for (const auto& seg : plan.segments) {
        count += static_cast<std::size_t>(seg.count);
    }
    return count;
}

ChannelList buildChannelList(const ChannelPlan& plan) {
    ChannelList list;
    list.reserve(channelCount(plan));
    for (const auto& seg : plan.segments) {
        for (int k = 0; k < seg.count; ++k) {
            list.push_back(static_cast<Channel>(seg.first + k * seg.step));
        }
    }
    return list;
}

std::int16_t findChannelIndex(std::span<const Channel> list, Channel channel) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == channel) {
            return static_cast<std::int16_t>(i);
        }
    }
    return -1;
}

}  // namespace tarnvale

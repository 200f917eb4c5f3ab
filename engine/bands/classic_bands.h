#pragma once

#include <array>
#include <limits>

#include "engine/band.h"

// The classic formats' bands: CDMA, GSM, WCDMA, IS-136 and AMPS, each format's bands in the
// order of the window's band options.
namespace tarnvale::bands {

constexpr auto kBandWide = SpacingRule::BandWide;
constexpr auto kWithRange = SpacingRule::WithRange;

constexpr ChannelRun run(Channel first, Channel last) {
    return {first, 1, last};
}

constexpr ChannelRun single(Channel channel) {
    return {channel, 1, channel};
}

// Channels low to high: F = base + step * (N - first), R = F - gap.
constexpr SubRange steps(Channel low, Channel high, Channel first, double base, double step,
                         double gap, double spacing) {
    return {low, high, first, base, step, gap, spacing};
}

// Uplink channels low to high: R = N / 5 + offset, F = R + gap.
constexpr SubRange fifths(Channel low, Channel high, double offset, double gap, double spacing) {
    return {low, high, 0, offset, 0, gap, spacing};
}

// Bands I and III convert every channel number; their list is their only bound.
constexpr SubRange everyChannelFifths(double gap, double spacing) {
    return fifths(std::numeric_limits<Channel>::min(), std::numeric_limits<Channel>::max(), 0, gap,
                  spacing);
}

constexpr ClassicRule offsetStep(SpacingRule spacing, InlineList<SubRange, 4> ranges) {
    return {Shape::OffsetStep, spacing, ranges};
}

constexpr ClassicRule divideByFive(SpacingRule spacing, InlineList<SubRange, 4> ranges) {
    return {Shape::DivideByFive, spacing, ranges};
}

constexpr DownlinkPairing pairAbove(Channel offset) {
    return {offset, std::numeric_limits<Channel>::max(), offset};
}

constexpr Band classic(Format format, std::string_view name, const ClassicPlan& plan) {
    return {format, name, plan};
}

// The one plan of "Cell 800" in CDMA, IS-136 and AMPS.
constexpr ClassicPlan kCell800{
    .list = {run(991, 1023), run(1, 799)},
    .rule = offsetStep(kBandWide, {steps(1, 799, 0, 870, 0.03, 45, 30),
                                   steps(991, 1023, 991, 869.04, 0.03, 45, 30)}),
};

constexpr auto kCdma = Format::Cdma;
constexpr auto kGsm = Format::Gsm;
constexpr auto kWcdma = Format::Wcdma;

inline constexpr std::array kClassicBands = {
    classic(kCdma, "Cell 800", kCell800),
    classic(kCdma, "US PCS 1900",
            {.list = {run(0, 1199)},
             .rule = offsetStep(kBandWide, {steps(0, 1199, 0, 1930, 0.05, 80, 50)})}),
    classic(kCdma, "Korea PCS",
            {.list = {run(0, 599)},
             .rule = offsetStep(kBandWide, {steps(0, 599, 0, 1840, 0.05, 90, 50)})}),
    // The only band whose reverse carrier lies above the forward one: a negative gap.
    classic(
        kCdma, "TACS (Japan)",
        {.list = {run(1041, 1199), run(1201, 1600), run(801, 1039), run(1, 799)},
         .rule = offsetStep(kBandWide, {steps(1, 799, 1, 860.0125, 0.0125, -55, 12.5),
                                        steps(801, 1039, 801, 843.0125, 0.0125, -55, 12.5),
                                        steps(1041, 1199, 1041, 832.0125, 0.0125, -55, 12.5),
                                        steps(1201, 1600, 1201, 838.0125, 0.0125, -55, 12.5)})}),
    classic(kCdma, "IMT2000",
            {.list = {run(0, 1199)},
             .rule = offsetStep(kBandWide, {steps(0, 1199, 0, 2110, 0.05, 190, 50)})}),
    classic(kCdma, "China Cellular",
            {.list = {run(0, 699)},
             .rule = offsetStep(kBandWide, {steps(0, 699, 0, 925, 0.05, 45, 50)})}),
    classic(kCdma, "Secondary 800",
            {.list = {run(0, 919)},
             .rule = offsetStep(kBandWide, {steps(0, 719, 0, 851, 0.025, 45, 25),
                                            steps(720, 919, 720, 935, 0.025, 39, 25)})}),
    classic(kCdma, "NMT450",
            {.list = {run(539, 871), run(1, 300), run(1039, 1473), run(1792, 2016)},
             .rule = offsetStep(kWithRange, {steps(1, 300, 1, 460, 0.025, 10, 25),
                                             steps(539, 871, 539, 421.675, 0.025, 10, 25),
                                             steps(1039, 1473, 1039, 461.31, 0.02, 10, 20),
                                             steps(1792, 2016, 1792, 489, 0.02, 10, 20)})}),

    classic(kGsm, "P-GSM 900",
            {.list = {run(1, 124)},
             .rule = offsetStep(kBandWide, {steps(1, 124, 0, 935, 0.2, 45, 200)})}),
    classic(kGsm, "E-GSM 900",
            {.list = {run(975, 1023), run(0, 124)},
             .rule = offsetStep(kBandWide, {steps(0, 124, 0, 935, 0.2, 45, 200),
                                            steps(975, 1023, 975, 925.2, 0.2, 45, 200)})}),
    classic(kGsm, "DCS 1800",
            {.list = {run(512, 885)},
             .rule = offsetStep(kBandWide, {steps(512, 885, 512, 1805.2, 0.2, 95, 200)})}),
    classic(kGsm, "GSM 850",
            {.list = {run(128, 251)},
             .rule = offsetStep(kBandWide, {steps(128, 251, 128, 869.2, 0.2, 45, 200)})}),
    classic(kGsm, "PCS 1900",
            {.list = {run(512, 810)},
             .rule = offsetStep(kBandWide, {steps(512, 810, 512, 1930.2, 0.2, 80, 200)})}),
    // Its upper channels count from 1024, where E-GSM 900 counts from 975 with another base;
    // the two agree to the four decimals shown.
    classic(kGsm, "R-GSM 900",
            {.list = {run(955, 1023), run(0, 124)},
             .rule = offsetStep(kBandWide, {steps(0, 124, 0, 935, 0.2, 45, 200),
                                            steps(955, 1023, 1024, 935, 0.2, 45, 200)})}),
    classic(kGsm, "GSM 750",
            {.list = {run(438, 511)},
             .rule = offsetStep(kBandWide, {steps(438, 511, 438, 777.2, 0.2, 30, 200)})}),
    classic(kGsm, "GSM 450",
            {.list = {run(259, 293)},
             .rule = offsetStep(kBandWide, {steps(259, 293, 259, 460.6, 0.2, 10, 200)})}),
    classic(kGsm, "GSM 480",
            {.list = {run(306, 340)},
             .rule = offsetStep(kBandWide, {steps(306, 340, 306, 489, 0.2, 10, 200)})}),

    // WCDMA lists hold uplink channels; the text names the paired downlink channels too. The
    // window shows three texts its runs cannot give (Band I's comma, Band V's variable step,
    // Band VI's single channels), so those bands keep theirs.
    classic(kWcdma, "Band I",
            {.list = {run(9612, 9888)},
             .rule = divideByFive(kBandWide, {everyChannelFifths(190, 200)}),
             .pairing = pairAbove(950),
             .validChannels = "UL: 9612-9888, DL: 10562-10838"}),
    classic(kWcdma, "Band II",
            {.list = {{12, 25, 287}, run(9262, 9538)},
             .rule = divideByFive(
                 kWithRange, {fifths(12, 287, 1850.1, 80, 5000), fifths(9262, 9538, 0, 80, 200)}),
             .pairing = pairAbove(400)}),
    classic(kWcdma, "Band III",
            {.list = {run(8562, 8913)},
             .rule = divideByFive(kBandWide, {everyChannelFifths(95, 200)}),
             .pairing = pairAbove(475)}),
    classic(kWcdma, "Band IV",
            {.list = {{1162, 25, 1362}, run(8562, 8763)},
             .rule = divideByFive(kWithRange, {fifths(1162, 1362, 1480.1, 400, 5000),
                                               fifths(8562, 8763, 0, 400, 200)}),
             .pairing = DownlinkPairing{300, 1362, 2000}}),
    classic(
        kWcdma, "Band V",
        {.list = {single(782), single(787), single(807), {812, 25, 862}, run(4132, 4233)},
         .rule = divideByFive(kWithRange,
                              {fifths(782, 862, 670.1, 45, 0), fifths(4132, 4233, 0, 45, 200)}),
         .pairing = pairAbove(225),
         .validChannels =
             "UL: 782-862 [step variable], 4132-4233; DL: 1007-1087 [step variable], 4357-4458"}),
    classic(kWcdma, "Band VI",
            {.list = {{812, 25, 837}, run(4162, 4188)},
             .rule = divideByFive(
                 kWithRange, {fifths(812, 812, 670.1, 45, 5000), fifths(837, 837, 670.1, 45, 5000),
                              fifths(4162, 4188, 0, 45, 200)}),
             .pairing = pairAbove(225),
             .validChannels = "UL: 812, 837, 4162-4188; DL: 1037, 1062, 4387-4413"}),

    classic(Format::Is136, "Cell 800", kCell800),
    classic(Format::Is136, "PCS 1900",
            {.list = {run(2, 1998)},
             .rule = offsetStep(kBandWide, {steps(2, 1998, 2, 1930.08, 0.03, 80.04, 30)})}),

    classic(Format::Amps, "Cell 800", kCell800),
};

}  // namespace tarnvale::bands

#pragma once

#include <array>

#include "engine/bands/row_builders.h"

// UTRA FDD (UMTS) operating bands in the current numbering, named "Band I", "Band II", ... Each
// row gives the band's edges (uplink, then downlink, MHz; TS 25.101 Table 5.0), the default
// Tx-Rx separation (downlink minus uplink, MHz), then for the uplink and
// the downlink F_Offset (MHz) and the UARFCNs of the general channels (TS 25.101 Tables 5.1 and
// 5.2), then those of the additional channels, 100 kHz off the general raster (Tables 5.1A and
// 5.2). Additional uplink and downlink channels pair position by position, which the separation
// gives as well.
//
// Source: TS 25.101 V18.0.0 (Release 18) Tables 5.0, 5.1, 5.1A and 5.2, as copied in a public
// calculator; cross-checked row by row against a second public copy of the general channels and
// against published additional-channel lists; the edges equal those of the E-UTRA band of the
// same number (TS 36.101 Table 5.5-1), which a test checks. Bands XV to XVIII, XXIII, XXIV and
// XXVII to XXXI are not defined. Band XXXII is downlink only.
namespace tarnvale::bands {

using band_rows::umtsFdd;
using band_rows::umtsSdl;

inline constexpr std::array kUmtsBands = {
    umtsFdd("Band I", {1920, 1980, 2110, 2170}, 190, {0, {{9612, 1, 9888}}},
            {0, {{10562, 1, 10838}}}),
    umtsFdd("Band II", {1850, 1910, 1930, 1990}, 80, {0, {{9262, 1, 9538}}}, {0, {{9662, 1, 9938}}},
            {1850.1, {{12, 25, 287}}}, {1850.1, {{412, 25, 687}}}),
    umtsFdd("Band III", {1710, 1785, 1805, 1880}, 95, {1525, {{937, 1, 1288}}},
            {1575, {{1162, 1, 1513}}}),
    umtsFdd("Band IV", {1710, 1755, 2110, 2155}, 400, {1450, {{1312, 1, 1513}}},
            {1805, {{1537, 1, 1738}}}, {1380.1, {{1662, 25, 1862}}}, {1735.1, {{1887, 25, 2087}}}),
    umtsFdd("Band V", {824, 849, 869, 894}, 45, {0, {{4132, 1, 4233}}}, {0, {{4357, 1, 4458}}},
            {670.1, {{782, 25, 807}, {787, 25, 862}}},
            {670.1, {{1007, 25, 1032}, {1012, 25, 1087}}}),
    umtsFdd("Band VI", {830, 840, 875, 885}, 45, {0, {{4162, 1, 4188}}}, {0, {{4387, 1, 4413}}},
            {670.1, {{812, 25, 837}}}, {670.1, {{1037, 25, 1062}}}),
    umtsFdd("Band VII", {2500, 2570, 2620, 2690}, 120, {2100, {{2012, 1, 2338}}},
            {2175, {{2237, 1, 2563}}}, {2030.1, {{2362, 25, 2687}}}, {2105.1, {{2587, 25, 2912}}}),
    umtsFdd("Band VIII", {880, 915, 925, 960}, 45, {340, {{2712, 1, 2863}}},
            {340, {{2937, 1, 3088}}}),
    umtsFdd("Band IX", {1749.9, 1784.9, 1844.9, 1879.9}, 95, {0, {{8762, 1, 8912}}},
            {0, {{9237, 1, 9387}}}),
    umtsFdd("Band X", {1710, 1770, 2110, 2170}, 400, {1135, {{2887, 1, 3163}}},
            {1490, {{3112, 1, 3388}}}, {1075.1, {{3187, 25, 3462}}}, {1430.1, {{3412, 25, 3687}}}),
    umtsFdd("Band XI", {1427.9, 1447.9, 1475.9, 1495.9}, 48, {733, {{3487, 1, 3562}}},
            {736, {{3712, 1, 3787}}}),
    umtsFdd("Band XII", {699, 716, 729, 746}, 30, {-22, {{3617, 1, 3678}}},
            {-37, {{3842, 1, 3903}}},
            {-39.9, {{3707, 25, 3732}, {3737, 25, 3762}, {3767, 1, 3767}}},
            {-54.9, {{3932, 25, 3957}, {3962, 25, 3987}, {3992, 1, 3992}}}),
    umtsFdd("Band XIII", {777, 787, 746, 756}, -31, {21, {{3792, 1, 3818}}},
            {-55, {{4017, 1, 4043}}}, {11.1, {{3842, 25, 3867}}}, {-64.9, {{4067, 25, 4092}}}),
    umtsFdd("Band XIV", {788, 798, 758, 768}, -30, {12, {{3892, 1, 3918}}},
            {-63, {{4117, 1, 4143}}}, {2.1, {{3942, 25, 3967}}}, {-72.9, {{4167, 25, 4192}}}),
    umtsFdd("Band XIX", {830, 845, 875, 890}, 45, {770, {{312, 1, 363}}}, {735, {{712, 1, 763}}},
            {755.1, {{387, 25, 437}}}, {720.1, {{787, 25, 837}}}),
    umtsFdd("Band XX", {832, 862, 791, 821}, -41, {-23, {{4287, 1, 4413}}},
            {-109, {{4512, 1, 4638}}}),
    umtsFdd("Band XXI", {1447.9, 1462.9, 1495.9, 1510.9}, 48, {1358, {{462, 1, 512}}},
            {1326, {{862, 1, 912}}}),
    umtsFdd("Band XXII", {3410, 3490, 3510, 3590}, 100, {2525, {{4437, 1, 4813}}},
            {2580, {{4662, 1, 5038}}}),
    umtsFdd("Band XXV", {1850, 1915, 1930, 1995}, 80, {875, {{4887, 1, 5188}}},
            {910, {{5112, 1, 5413}}}, {639.1, {{6067, 25, 6367}}}, {674.1, {{6292, 25, 6592}}}),
    umtsFdd("Band XXVI", {814, 849, 859, 894}, 45, {-291, {{5537, 1, 5688}}},
            {-291, {{5762, 1, 5913}}}, {-325.9, {{5712, 25, 5862}, {5767, 25, 5842}}},
            {-325.9, {{5937, 25, 6087}, {5992, 25, 6067}}}),
    umtsSdl("Band XXXII", {1452, 1496}, {131, {{6617, 1, 6813}}}, {87.1, {{6837, 25, 7012}}}),
};

}  // namespace tarnvale::bands

#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

#include "engine/channel_number.h"

// The NR global frequency raster and synchronisation raster, 3GPP TS 38.104 V19.4.0
// (Release 19) Tables 5.4.2.1-1 and 5.4.3.1-1, in whole kilohertz.
namespace tarnvale {

// The global frequency raster's NR-ARFCNs, 0 to 100000 MHz.
inline constexpr Channel kLastNrArfcn = 3279165;

inline constexpr Channel kFirstGscn = 2;
inline constexpr Channel kLastGscn = 41638;
// GSCNs of SS blocks on 3 MHz channels, punctured to 15 resource blocks (TS 38.101-1 V19.5.0
// Table 5.4.3.1-2; TS 38.101-5 Table 5.4.3.1-2 takes them to 3000 MHz), and n100's two extra
// GSCNs (TS 38.101-1 Table 5.4.3.1-3).
inline constexpr Channel kFirst3MhzGscn = 26640;
inline constexpr Channel kLast3MhzGscn = 41636;

// ΔF_Global of the range that holds NR-ARFCN `n`: 5 kHz below 3000 MHz, 15 kHz to 24250 MHz and
// 60 kHz above.
constexpr std::int64_t nrGlobalStepKhz(Channel n) {
    return n < 600000 ? 5 : n < 2016667 ? 15 : 60;
}

// F_REF = F_REF-Offs + ΔF_Global (N_REF - N_REF-Offs).
constexpr std::int64_t nrArfcnKhz(Channel n) {
    if (n < 600000) {
        return 5 * std::int64_t{n};
    }
    if (n < 2016667) {
        return 3000000 + 15 * (std::int64_t{n} - 600000);
    }
    return 24250080 + 60 * (std::int64_t{n} - 2016667);
}

// The NR-ARFCN of a frequency on the global raster, or nullopt off it or outside 0 to
// 100000 MHz.
constexpr std::optional<Channel> nrArfcnAt(std::int64_t khz) {
    if (khz < 0 || khz > 100000000) {
        return std::nullopt;
    }
    if (khz < 3000000) {
        return khz % 5 == 0 ? std::optional<Channel>(static_cast<Channel>(khz / 5)) : std::nullopt;
    }
    if (khz < 24250080) {
        // The 15 kHz range ends at 2016666 (24249.99 MHz), short of the 60 kHz range's start.
        const std::int64_t from = khz - 3000000;
        const std::int64_t n = 600000 + from / 15;
        return from % 15 == 0 && n < 2016667 ? std::optional<Channel>(static_cast<Channel>(n))
                                             : std::nullopt;
    }
    const std::int64_t from = khz - 24250080;
    return from % 60 == 0 ? std::optional<Channel>(static_cast<Channel>(2016667 + from / 60))
                          : std::nullopt;
}

// The NR-ARFCN at or below a frequency from 0 to 100000 MHz, on the global raster or not.
constexpr Channel nrArfcnBelow(std::int64_t khz) {
    if (khz < 3000000) {
        return static_cast<Channel>(khz / 5);
    }
    if (khz < 24250080) {
        return static_cast<Channel>(std::min<std::int64_t>(600000 + (khz - 3000000) / 15, 2016666));
    }
    return static_cast<Channel>(2016667 + (khz - 24250080) / 60);
}

// FR2 begins at 24250 MHz, and its second range, FR2-2, at 52600 MHz (TS 38.101-2 clause 5.1).
inline constexpr std::int64_t kFr2LowKhz = 24250000;
inline constexpr std::int64_t kFr2_2LowKhz = 52600000;

// The SS block reference frequency SS_REF of a GSCN, or nullopt outside 2 to 41638.
// Below 3000 MHz: SS_REF = N x 1200 kHz + M x 50 kHz with GSCN = 3N + (M - 3) / 2, M in {1, 3, 5};
// to 24250 MHz: 3000 MHz + N x 1.44 MHz with GSCN = 7499 + N; above: 24250.08 MHz + N x 17.28 MHz
// with GSCN = 22256 + N. 3 MHz channels: N x 600 kHz + M x 50 kHz + 300 kHz with
// GSCN = 26638 + 3N + (M - 3) / 2; n100's 41637 and 41638 are 920.73 and 921.45 MHz.
constexpr std::optional<std::int64_t> gscnKhz(Channel gscn) {
    if (gscn < kFirstGscn || gscn > kLastGscn) {
        return std::nullopt;
    }
    if (gscn < 7499) {
        const std::int64_t twice = 2 * std::int64_t{gscn} + 3;  // 6N + M
        return twice / 6 * 1200 + twice % 6 * 50;
    }
    if (gscn < 22256) {
        return 3000000 + 1440 * (std::int64_t{gscn} - 7499);
    }
    if (gscn < kFirst3MhzGscn) {
        return 24250080 + 17280 * (std::int64_t{gscn} - 22256);
    }
    if (gscn <= kLast3MhzGscn) {
        const std::int64_t twice = 2 * (std::int64_t{gscn} - 26638) + 3;  // 6N + M
        return twice / 6 * 600 + twice % 6 * 50 + 300;
    }
    return gscn == 41637 ? 920730 : 921450;
}

}  // namespace tarnvale

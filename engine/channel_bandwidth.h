#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>

#include "engine/channel_number.h"

// Channel bandwidths of LTE and NR carriers, in whole kilohertz (1.4 MHz is 1400).
namespace tarnvale {

// Every channel bandwidth of TS 36.101 Table 5.6-1 and TS 38.101-1 and -2 Table 5.3.2-1,
// ascending (7 MHz from TS 38.101-1 V19.5.0).
inline constexpr std::array<std::int32_t, 23> kChannelBandwidthsKhz = {
    1400,  3000,  5000,  7000,  10000, 15000,  20000,  25000,  30000,  35000,   40000,  45000,
    50000, 60000, 70000, 80000, 90000, 100000, 200000, 400000, 800000, 1600000, 2000000};

// Bandwidths are positive, so adding a half rounds; std::lround is not constexpr.
constexpr std::int32_t bandwidthKhz(double mhz) {
    return static_cast<std::int32_t>(mhz * 1000 + 0.5);  // NOLINT(bugprone-incorrect-roundings)
}

// A set of channel bandwidths, one bit each.
class BandwidthSet {
  public:
    constexpr BandwidthSet() = default;
    // The bandwidths in MHz; one that is no channel bandwidth does not compile.
    constexpr BandwidthSet(std::initializer_list<double> mhz) {
        for (const double each : mhz) {
            bits_ |= bitOf(bandwidthKhz(each));
        }
    }

    constexpr bool holds(std::int32_t khz) const {
        for (std::size_t i = 0; i < kChannelBandwidthsKhz.size(); ++i) {
            if (kChannelBandwidthsKhz[i] == khz) {
                return (bits_ & (std::uint32_t{1} << i)) != 0;
            }
        }
        return false;
    }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr BandwidthSet with(std::int32_t khz) const {
        BandwidthSet more = *this;
        more.bits_ |= bitOf(khz);
        return more;
    }
    // Calls visit(khz) for each bandwidth of the set, ascending.
    template <typename Visit>
    constexpr void forEach(Visit&& visit) const {
        for (std::size_t i = 0; i < kChannelBandwidthsKhz.size(); ++i) {
            if ((bits_ & (std::uint32_t{1} << i)) != 0) {
                visit(kChannelBandwidthsKhz[i]);
            }
        }
    }

  private:
    static constexpr std::uint32_t bitOf(std::int32_t khz) {
        for (std::size_t i = 0; i < kChannelBandwidthsKhz.size(); ++i) {
            if (kChannelBandwidthsKhz[i] == khz) {
                return std::uint32_t{1} << i;
            }
        }
        throw "not a channel bandwidth";  // in a constant expression: a compile error
    }

    std::uint32_t bits_ = 0;
};

// The channel bandwidths a band allows with one subcarrier spacing (LTE: 15 kHz).
struct SpacingBandwidths {
    std::int32_t scsKhz;
    BandwidthSet bandwidths;
};

// Channels a band allows for one channel bandwidth and no other: where a band lists them, a
// carrier of that bandwidth may be centred on those downlink channels only (TS 38.104 Table
// 5.4.2.3-1 notes for the shared-spectrum bands).
struct BandwidthChannels {
    std::int32_t bandwidthKhz;
    std::span<const Channel> downlink;  // ascending
};

}  // namespace tarnvale

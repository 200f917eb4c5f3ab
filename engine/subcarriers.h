#pragma once

#include <cstdint>

// Where an NR carrier's subcarriers and an SS block's lie, in one place for the carrier, its SS
// blocks, CORESET#0 and the pictures of them.
namespace tarnvale {

// A stretch of spectrum in Hz: a 15 kHz carrier's outer edges lie half a subcarrier, 7.5 kHz,
// beyond its outermost subcarrier centres, which whole kilohertz cannot hold.
struct HzSpan {
    std::int64_t lowHz;
    std::int64_t highHz;

    constexpr bool holds(const HzSpan& inner) const {
        return inner.lowHz >= lowHz && inner.highHz <= highHz;
    }
    constexpr bool operator==(const HzSpan&) const = default;
};

// TS 38.104 clause 5.4.2.2: a carrier's F_REF is subcarrier 0 of resource block N_RB / 2
// (subcarrier 6 of floor(N_RB / 2) for an odd N_RB), so its lowest subcarrier lies 6 N_RB
// subcarriers below it.
constexpr std::int64_t lowestSubcarrierKhz(std::int64_t centreKhz, int resourceBlocks,
                                           std::int32_t scsKhz) {
    return centreKhz - 6 * std::int64_t{resourceBlocks} * scsKhz;
}

// Point A, the lowest subcarrier of common resource block 0: offsetToCarrier resource blocks of
// the carrier's spacing below its lowest subcarrier (TS 38.211 clause 4.4.4.2, TS 38.331).
constexpr std::int64_t pointAKhz(std::int64_t lowestSubcarrierKhz, int offsetToCarrier,
                                 std::int32_t scsKhz) {
    return lowestSubcarrierKhz - 12 * std::int64_t{offsetToCarrier} * scsKhz;
}

// The transmission bandwidth: N_RB resource blocks, from half a subcarrier below the lowest
// subcarrier centre to half a subcarrier above the highest.
constexpr HzSpan transmissionBand(std::int64_t centreKhz, int resourceBlocks, std::int32_t scsKhz) {
    const std::int64_t lowestHz = lowestSubcarrierKhz(centreKhz, resourceBlocks, scsKhz) * 1000;
    const std::int64_t scsHz = std::int64_t{scsKhz} * 1000;
    return {lowestHz - scsHz / 2,
            lowestHz + (12 * std::int64_t{resourceBlocks} - 1) * scsHz + scsHz / 2};
}

// An SS block is 20 resource blocks, 240 subcarriers, with SS_REF at subcarrier 0 of its
// resource block 10 (TS 38.211 clause 7.4.3.1, TS 38.101-1 clause 5.4.3.1).
inline constexpr int kSsbSubcarriers = 240;
inline constexpr int kSsbRefSubcarrier = 120;
inline constexpr int kSsbResourceBlocks = 20;

// The subcarriers of an SS block a UE receives: all 240; on a 3 MHz channel its PBCH is
// punctured to subcarriers 48 to 191, 12 resource blocks, from which offsetToPointA and k_SSB
// are counted too (TS 38.211 clause 7.4.3.1).
struct SsbSubcarriers {
    int first;
    int count;
};

constexpr SsbSubcarriers ssbSubcarriers(std::int32_t channelBandwidthKhz) {
    return channelBandwidthKhz == 3000 ? SsbSubcarriers{48, 144}
                                       : SsbSubcarriers{0, kSsbSubcarriers};
}

// The centre of the first subcarrier received.
constexpr std::int64_t ssbFirstSubcarrierKhz(std::int64_t ssRefKhz, std::int32_t scsKhz,
                                             SsbSubcarriers received) {
    return ssRefKhz + (received.first - kSsbRefSubcarrier) * std::int64_t{scsKhz};
}

// The band the received subcarriers occupy: for a whole block SS_REF - 120 S - S/2 to
// SS_REF + 119 S + S/2.
constexpr HzSpan ssbOccupiedBand(std::int64_t ssRefKhz, std::int32_t scsKhz,
                                 SsbSubcarriers received) {
    const std::int64_t firstHz = ssbFirstSubcarrierKhz(ssRefKhz, scsKhz, received) * 1000;
    const std::int64_t scsHz = std::int64_t{scsKhz} * 1000;
    return {firstHz - scsHz / 2, firstHz + (received.count - 1) * scsHz + scsHz / 2};
}

}  // namespace tarnvale

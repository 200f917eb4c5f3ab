#pragma once

#include <cstdint>
#include <optional>

// The transmission bandwidth of a carrier in resource blocks, N_RB, and the guard bands it
// leaves.
namespace tarnvale {

enum class CarrierKind : std::uint8_t { Lte, NrFr1, NrFr2 };

// N_RB of TS 36.101 Table 5.6-1 (LTE) and TS 38.101-1 and -2 Table 5.3.2-1 (NR FR1 and FR2, the
// same in TS 38.101-5 for the satellite bands); nullopt where the table has no entry.
std::optional<int> resourceBlocks(CarrierKind kind, std::int32_t scsKhz, std::int32_t bandwidthKhz);

// The minimum guard band of TS 38.101-1 and -2 Table 5.3.3-1 in Hz, which those tables work out
// as (BW - N_RB x 12 x SCS) / 2 - SCS / 2.
constexpr std::int64_t minimumGuardHz(std::int32_t bandwidthKhz, int resourceBlocks,
                                      std::int32_t scsKhz) {
    const std::int64_t occupiedHz = std::int64_t{resourceBlocks} * 12 * scsKhz * 1000;
    return (std::int64_t{bandwidthKhz} * 1000 - occupiedHz) / 2 - std::int64_t{scsKhz} * 500;
}

}  // namespace tarnvale

#include "engine/resource_blocks.h"

#include <array>

namespace tarnvale {
namespace {

struct Entry {
    std::int32_t scsKhz;
    std::int32_t bandwidthKhz;
    int resourceBlocks;
};

// TS 36.101 V19.6.0 Table 5.6-1; every LTE carrier has 15 kHz subcarriers.
constexpr std::array<Entry, 6> kLte = {{
    {15, 1400, 6},
    {15, 3000, 15},
    {15, 5000, 25},
    {15, 10000, 50},
    {15, 15000, 75},
    {15, 20000, 100},
}};

// TS 38.101-1 V19.5.0 Table 5.3.2-1 (5 to 100 MHz the same in TS 38.104 V17.8.0 Table 5.3.2-1,
// which lacks 3 MHz; 7 MHz the same in TS 38.104 V19.4.0).
constexpr std::array<Entry, 41> kFr1 = {{
    {15, 3000, 15},    {15, 5000, 25},    {15, 7000, 35},   {15, 10000, 52},  {15, 15000, 79},
    {15, 20000, 106},  {15, 25000, 133},  {15, 30000, 160}, {15, 35000, 188}, {15, 40000, 216},
    {15, 45000, 242},  {15, 50000, 270},  {30, 5000, 11},   {30, 10000, 24},  {30, 15000, 38},
    {30, 20000, 51},   {30, 25000, 65},   {30, 30000, 78},  {30, 35000, 92},  {30, 40000, 106},
    {30, 45000, 119},  {30, 50000, 133},  {30, 60000, 162}, {30, 70000, 189}, {30, 80000, 217},
    {30, 90000, 245},  {30, 100000, 273}, {60, 10000, 11},  {60, 15000, 18},  {60, 20000, 24},
    {60, 25000, 31},   {60, 30000, 38},   {60, 35000, 44},  {60, 40000, 51},  {60, 45000, 58},
    {60, 50000, 65},   {60, 60000, 79},   {60, 70000, 93},  {60, 80000, 107}, {60, 90000, 121},
    {60, 100000, 135},
}};

// TS 38.101-2 Table 5.3.2-1 (Release 19.3; 60 and 120 kHz the same in TS 38.104 V17.8.0
// Table 5.3.2-2).
constexpr std::array<Entry, 14> kFr2 = {{
    {60, 50000, 66},
    {60, 100000, 132},
    {60, 200000, 264},
    {120, 50000, 32},
    {120, 100000, 66},
    {120, 200000, 132},
    {120, 400000, 264},
    {480, 400000, 66},
    {480, 800000, 124},
    {480, 1600000, 248},
    {960, 400000, 33},
    {960, 800000, 62},
    {960, 1600000, 124},
    {960, 2000000, 148},
}};

template <std::size_t N>
std::optional<int> find(const std::array<Entry, N>& table, std::int32_t scs, std::int32_t bw) {
    for (const auto& entry : table) {
        if (entry.scsKhz == scs && entry.bandwidthKhz == bw) {
            return entry.resourceBlocks;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> resourceBlocks(CarrierKind kind, std::int32_t scsKhz,
                                  std::int32_t bandwidthKhz) {
    switch (kind) {
        case CarrierKind::Lte:
            return find(kLte, scsKhz, bandwidthKhz);
        case CarrierKind::NrFr1:
            return find(kFr1, scsKhz, bandwidthKhz);
        case CarrierKind::NrFr2:
            break;
    }
    return find(kFr2, scsKhz, bandwidthKhz);
}

}  // namespace tarnvale

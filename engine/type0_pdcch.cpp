#include "engine/type0_pdcch.h"

#include <array>

#include "engine/arfcn_plan.h"
#include "engine/number_text.h"

namespace tarnvale {
namespace {

// The first symbol of an odd SS block index where the table says N_symb^CORESET.
constexpr std::int16_t kCoresetSymbols = -1;

// A row of Tables 13-11, 13-12 and 13-12A: O in eighths of a millisecond (plus X of Table
// 13-12A: 1.25 ms at 480 kHz, 0.625 ms at 960 kHz), search space sets a slot, twice M, and the
// first symbol for even and odd SS block indices. A reserved row has no sets.
struct SearchSpaceRow {
    std::int16_t oEighths;
    bool plusX;
    std::int16_t sets;
    std::int16_t twiceM;
    std::int16_t firstEven;
    std::int16_t firstOdd;
};

struct SearchSpaceTable {
    std::string_view name;
    std::array<SearchSpaceRow, 16> rows;
};

// TS 38.213 V18.7.0 Tables 13-11 (pattern 1, FR1), 13-12 (pattern 1, FR2 at 60 and 120 kHz)
// and 13-12A (pattern 1, 480 and 960 kHz); cross-checked against srsRAN_Project (13-11, 13-12)
// and a Go resource-grid tool (13-12A, which has O = 1.25 for row 7 at 960 kHz where the
// table has X).
constexpr SearchSpaceTable kTable13_11{"13-11",
                                       {{{0, false, 1, 2, 0, 0},
                                         {0, false, 2, 1, 0, kCoresetSymbols},
                                         {16, false, 1, 2, 0, 0},
                                         {16, false, 2, 1, 0, kCoresetSymbols},
                                         {40, false, 1, 2, 0, 0},
                                         {40, false, 2, 1, 0, kCoresetSymbols},
                                         {56, false, 1, 2, 0, 0},
                                         {56, false, 2, 1, 0, kCoresetSymbols},
                                         {0, false, 1, 4, 0, 0},
                                         {40, false, 1, 4, 0, 0},
                                         {0, false, 1, 2, 1, 1},
                                         {0, false, 1, 2, 2, 2},
                                         {16, false, 1, 2, 1, 1},
                                         {16, false, 1, 2, 2, 2},
                                         {40, false, 1, 2, 1, 1},
                                         {40, false, 1, 2, 2, 2}}}};
constexpr SearchSpaceTable kTable13_12{"13-12",
                                       {{{0, false, 1, 2, 0, 0},
                                         {0, false, 2, 1, 0, 7},
                                         {20, false, 1, 2, 0, 0},
                                         {20, false, 2, 1, 0, 7},
                                         {40, false, 1, 2, 0, 0},
                                         {40, false, 2, 1, 0, 7},
                                         {0, false, 2, 1, 0, kCoresetSymbols},
                                         {20, false, 2, 1, 0, kCoresetSymbols},
                                         {40, false, 2, 1, 0, kCoresetSymbols},
                                         {60, false, 1, 2, 0, 0},
                                         {60, false, 2, 1, 0, 7},
                                         {60, false, 2, 1, 0, kCoresetSymbols},
                                         {0, false, 1, 4, 0, 0},
                                         {40, false, 1, 4, 0, 0},
                                         {},
                                         {}}}};
constexpr SearchSpaceTable kTable13_12A{"13-12A",
                                        {{{0, false, 1, 2, 0, 0},
                                          {0, false, 2, 1, 0, 7},
                                          {0, true, 1, 2, 0, 0},
                                          {0, true, 2, 1, 0, 7},
                                          {40, false, 1, 2, 0, 0},
                                          {40, false, 2, 1, 0, 7},
                                          {0, false, 2, 1, 0, kCoresetSymbols},
                                          {0, true, 2, 1, 0, kCoresetSymbols},
                                          {40, false, 2, 1, 0, kCoresetSymbols},
                                          {40, true, 1, 2, 0, 0},
                                          {40, true, 2, 1, 0, 7},
                                          {40, true, 2, 1, 0, kCoresetSymbols},
                                          {0, false, 1, 4, 0, 0},
                                          {40, false, 1, 4, 0, 0},
                                          {},
                                          {}}}};

// Patterns 2 and 3 (Tables 13-13 to 13-15A) define index 0 alone: one slot of the SS block's
// frame, at a first symbol that turns with the SS block index; Table 13-14 takes the slot before
// the SS block's for indices 4 and 5 of each 8.
struct BesideSsbTable {
    std::string_view name;
    std::int32_t ssbScsKhz;
    std::int32_t coresetScsKhz;
    std::array<std::int8_t, 8> firstSymbols;
    std::size_t period;  // of the first symbols over the SS block index
    bool slotBeforeFor4And5;
};

constexpr std::array<BesideSsbTable, 5> kBesideSsbTables = {{
    {"13-13", 120, 60, {0, 1, 6, 7}, 4, false},
    {"13-14", 240, 120, {0, 1, 2, 3, 12, 13, 0, 1}, 8, true},
    {"13-15", 120, 120, {4, 8, 2, 6}, 4, false},
    {"13-15A", 480, 480, {2, 9}, 2, false},
    {"13-15A", 960, 960, {2, 9}, 2, false},
}};

constexpr int kSymbolsASlot = 14;

int numerology(std::int32_t scsKhz) {
    int mu = 0;
    while ((15 << mu) < scsKhz) {
        ++mu;
    }
    return mu;
}

Reading<Type0Search> patternOne(const Coreset0Place& coreset, int candidates, int index) {
    const int mu = numerology(coreset.scsKhz);
    const auto& table = mu <= 1 ? kTable13_11 : mu <= 3 ? kTable13_12 : kTable13_12A;
    const auto& row = table.rows[static_cast<std::size_t>(index)];
    if (row.sets == 0) {
        return {std::nullopt, "searchSpaceZero " + channelText(index) +
                                  " is reserved in TS 38.213 Table " + std::string(table.name)};
    }
    // X is 40 slots at both 480 and 960 kHz; O 2^mu is a whole number of slots in every row a
    // spacing reaches.
    const int oSlots = (row.oEighths << mu) / 8 + (row.plusX ? 40 : 0);
    const double o = static_cast<double>(oSlots) / (1 << mu);
    const int slots = 10 << mu;
    const int gap = mu == 5 ? 4 : mu == 6 ? 8 : 1;
    Type0Search search{table.name, o, row.sets, row.twiceM / 2.0, {}};
    for (int i = 0; i < candidates; ++i) {
        const int v = oSlots + i * row.twiceM / 2;
        const int first = i % 2 == 0 ? row.firstEven : row.firstOdd;
        search.occasions.push_back({i, v % slots, v % slots + gap, v / slots % 2,
                                    first == kCoresetSymbols ? coreset.row.symbols : first});
    }
    return {search, {}};
}

}  // namespace

int ssbCandidates(BandRef band, char ssbCase, std::int64_t ssRefKhz) {
    const auto* plan = band.plan<ArfcnPlan>();
    if (ssbCase >= 'D') {
        return 64;
    }
    if (plan->sharedSpectrum) {
        return 8;
    }
    const bool unpaired = ssbCase == 'C' && plan->duplex != Duplex::Fdd;
    const std::int64_t threshold = unpaired ? 1880000 : 3000000;
    const bool low = unpaired ? ssRefKhz < threshold : ssRefKhz <= threshold;
    return low ? 4 : 8;
}

int ssbFirstSymbol(char ssbCase, int index) {
    switch (ssbCase) {
        case 'B':
        case 'D': {
            // {4, 8, 16, 20} + 28 n; case D skips n = 4, 9 and 14.
            static constexpr std::array<int, 4> kFirst = {4, 8, 16, 20};
            const int n = index / 4;
            return kFirst[static_cast<std::size_t>(index % 4)] +
                   28 * (n + (ssbCase == 'D' ? n / 4 : 0));
        }
        case 'E': {
            static constexpr std::array<int, 8> kFirst = {8, 12, 16, 20, 32, 36, 40, 44};
            const int n = index / 8;
            return kFirst[static_cast<std::size_t>(index % 8)] + 56 * (n + n / 4);
        }
        default:
            // Cases A, C, F and G: {2, 8} + 14 n below 480 kHz, {2, 9} + 14 n above.
            return (index % 2 == 0 ? 2 : ssbCase >= 'F' ? 9 : 8) + kSymbolsASlot * (index / 2);
    }
}

Reading<Type0Search> type0Search(const Coreset0Place& coreset, std::int32_t ssbScsKhz, char ssbCase,
                                 int candidates, int searchSpaceZero) {
    if (searchSpaceZero < 0 || searchSpaceZero > 15) {
        return {std::nullopt,
                "searchSpaceZero " + channelText(searchSpaceZero) + " is not one: it is 0 to 15"};
    }
    if (coreset.row.pattern == 1) {
        return patternOne(coreset, candidates, searchSpaceZero);
    }
    const auto* table = &kBesideSsbTables.front();
    for (const auto& each : kBesideSsbTables) {
        if (each.ssbScsKhz == ssbScsKhz && each.coresetScsKhz == coreset.scsKhz) {
            table = &each;
        }
    }
    if (searchSpaceZero != 0) {
        return {std::nullopt, "searchSpaceZero " + channelText(searchSpaceZero) +
                                  " is reserved in TS 38.213 Table " + std::string(table->name) +
                                  ": multiplexing pattern " + channelText(coreset.row.pattern) +
                                  " has 0 alone"};
    }
    Type0Search search{table->name, std::nullopt, 1, std::nullopt, {}};
    const int ratio = ssbScsKhz / coreset.scsKhz;
    for (int i = 0; i < candidates; ++i) {
        const auto place = static_cast<std::size_t>(i) % table->period;
        int slot = ssbFirstSymbol(ssbCase, i) / (kSymbolsASlot * ratio);
        slot -= table->slotBeforeFor4And5 && (place == 4 || place == 5) ? 1 : 0;
        search.occasions.push_back(
            {i, slot, std::nullopt, std::nullopt, table->firstSymbols[place]});
    }
    return {search, {}};
}

}  // namespace tarnvale

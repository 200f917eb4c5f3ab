#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "engine/band_table.h"
#include "engine/carrier_search.h"
#include "engine/channel_list.h"
#include "engine/conversion.h"
#include "engine/number_text.h"

namespace {

using namespace tarnvale;

// Every channel of every band converted and written as the table command writes it, into a
// buffer that keeps its memory from one run to the next, as one process run has it.
void BM_ConvertAndFormatEveryChannel(benchmark::State& state) {
    std::string out;
    std::string err;
    const std::vector<std::string_view> args = {"table"};
    for (auto _ : state) {
        out.clear();
        benchmark::DoNotOptimize(cli::run(args, out, err));
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * 14702);
}
BENCHMARK(BM_ConvertAndFormatEveryChannel)->Unit(benchmark::kMicrosecond);

// Every channel of every band read from its runs, as the window fills its list.
void BM_BuildAllChannelLists(benchmark::State& state) {
    std::vector<Channel> list;
    for (auto _ : state) {
        for (const auto& row : bandTable()) {
            const BandRef band(row);
            list.resize(channelCount(band));
            for (std::size_t i = 0; i < list.size(); ++i) {
                list[i] = channelAt(band, i);
            }
            benchmark::DoNotOptimize(list.data());
        }
    }
}
BENCHMARK(BM_BuildAllChannelLists)->Unit(benchmark::kMicrosecond);

// The last run of a band with four runs: the slowest lookup of a channel's place.
void BM_FindChannelIndexWorstCase(benchmark::State& state) {
    const BandRef band = *findBand(Format::Cdma, "NMT450");
    for (auto _ : state) {
        benchmark::DoNotOptimize(channelIndex(band, 2016));
    }
}
BENCHMARK(BM_FindChannelIndexWorstCase);

void BM_ConvertOneChannel(benchmark::State& state) {
    const BandRef band = *findBand(Format::Cdma, "Secondary 800");
    for (auto _ : state) {
        const auto c = convertChannel(band, 919);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_ConvertOneChannel);

void BM_FormatFrequency(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatFrequency(1930.08 + 0.03 * 511, "."));
    }
}
BENCHMARK(BM_FormatFrequency);

void BM_FormatNumberWithNoise(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatNumber(1930.08 - 1850.04, "."));
    }
}
BENCHMARK(BM_FormatNumberWithNoise);

}  // namespace

namespace {

// A reverse lookup asks every band at once.
void BM_FindCarrierEveryBand(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarnvale::findCarriers(869.04, 15));
    }
}
BENCHMARK(BM_FindCarrierEveryBand)->Unit(benchmark::kMicrosecond);

}  // namespace

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "carrier_search.h"
#include "catalogue.h"
#include "channel_plans.h"
#include "cli.h"
#include "conversion.h"
#include "number_text.h"

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

void BM_BuildAllChannelLists(benchmark::State& state) {
    for (auto _ : state) {
        for (const auto& format : radioFormats()) {
            for (const auto band : format.bands) {
                auto list = buildChannelList(*findChannelPlan(format.name, band));
                benchmark::DoNotOptimize(list.data());
            }
        }
    }
}
BENCHMARK(BM_BuildAllChannelLists)->Unit(benchmark::kMicrosecond);

// The last entry of the longest list: the slowest lookup the window can make.
void BM_FindChannelIndexWorstCase(benchmark::State& state) {
    const auto list = buildChannelList(*findChannelPlan("IS-136", "PCS 1900"));
    const Channel last = list.back();
    for (auto _ : state) {
        benchmark::DoNotOptimize(findChannelIndex(list, last));
    }
}
BENCHMARK(BM_FindChannelIndexWorstCase);

void BM_ConvertOneChannel(benchmark::State& state) {
    for (auto _ : state) {
        const auto c = convertChannel("Secondary 800", "CDMA", 919);
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

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "engine/band_table.h"
#include "engine/carrier_search.h"
#include "engine/channel_list.h"
#include "engine/conversion.h"
#include "engine/lookup.h"
#include "engine/number_text.h"

namespace {

using namespace tarnvale;

// Output handed on block by block and dropped, as a pipe to /dev/null takes it.
class DroppingSink : public cli::Sink {
  public:
    std::size_t bytes = 0;

  protected:
    void deliver(std::string_view written) override { bytes += written.size(); }
};

std::size_t rowsOf(std::span<const Band> bands) {
    std::size_t rows = 0;
    for (const auto& band : bands) {
        rows += channelCount(BandRef(band));
    }
    return rows;
}

// `tarnvale-cli table` with these arguments, every channel converted and written.
void runTable(benchmark::State& state, std::vector<std::string_view> args, std::size_t rows) {
    std::string err;
    for (auto _ : state) {
        DroppingSink out;
        benchmark::DoNotOptimize(cli::run(args, out, err));
        benchmark::DoNotOptimize(out.bytes);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rows));
}

// The five classic formats: the 14,702 rows of the window's bands.
void BM_ConvertAndFormatEveryClassicChannel(benchmark::State& state) {
    std::string err;
    std::size_t rows = 0;
    for (const auto format : kFormats) {
        rows += isClassic(format) ? rowsOf(bandsOf(format)) : 0;
    }
    for (auto _ : state) {
        DroppingSink out;
        for (const char* format : {"CDMA", "GSM", "WCDMA", "IS-136", "AMPS"}) {
            const std::vector<std::string_view> args = {"table", format};
            benchmark::DoNotOptimize(cli::run(args, out, err));
        }
        benchmark::DoNotOptimize(out.bytes);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rows));
}
BENCHMARK(BM_ConvertAndFormatEveryClassicChannel)->Unit(benchmark::kMicrosecond);

void BM_TableNr(benchmark::State& state) {
    runTable(state, {"table", "NR"}, rowsOf(bandsOf(Format::Nr)));
}
BENCHMARK(BM_TableNr)->Unit(benchmark::kMillisecond);

void BM_TableEveryFormat(benchmark::State& state) {
    runTable(state, {"table"}, rowsOf(bandTable()));
}
BENCHMARK(BM_TableEveryFormat)->Unit(benchmark::kMillisecond);

// Every channel of every classic band read from its runs, as the window fills its list.
void BM_BuildAllChannelLists(benchmark::State& state) {
    std::vector<Channel> list;
    for (auto _ : state) {
        for (const auto format : kFormats) {
            for (const auto& row : isClassic(format) ? bandsOf(format) : std::span<const Band>{}) {
                const BandRef band(row);
                list.resize(channelCount(band));
                for (std::size_t i = 0; i < list.size(); ++i) {
                    list[i] = channelAt(band, i);
                }
                benchmark::DoNotOptimize(list.data());
            }
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

// A place in the union of n90's three rasters, counted by inclusion and exclusion.
void BM_ChannelIndexOfThreeRasters(benchmark::State& state) {
    const BandRef band = *findBand(Format::Nr, "n90");
    for (auto _ : state) {
        benchmark::DoNotOptimize(channelIndex(band, 538000));
    }
}
BENCHMARK(BM_ChannelIndexOfThreeRasters);

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

// A reverse lookup asks every band of every format at once.
void BM_FindCarrierEveryBand(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(findCarriers(869.04, 15));
    }
}
BENCHMARK(BM_FindCarrierEveryBand)->Unit(benchmark::kMicrosecond);

// A bare number asked of every band of every format.
void BM_LookupEveryBand(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(lookupChannel(632628));
    }
}
BENCHMARK(BM_LookupEveryBand)->Unit(benchmark::kMicrosecond);

}  // namespace

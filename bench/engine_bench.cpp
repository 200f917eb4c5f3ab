#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "bench/dropping_sink.h"
#include "engine/band_table.h"
#include "engine/carrier.h"
#include "engine/carrier_aggregation.h"
#include "engine/carrier_search.h"
#include "engine/channel_list.h"
#include "engine/channel_record.h"
#include "engine/config_check.h"
#include "engine/conversion.h"
#include "engine/lookup.h"
#include "engine/number_text.h"
#include "engine/ssb.h"
#include "report/channel_columns.h"
#include "report/rows.h"

namespace {

using namespace tarnvale;

using bench::DroppingSink;

std::size_t rowsOf(std::span<const BandRef> bands) {
    std::size_t rows = 0;
    for (const BandRef band : bands) {
        rows += recordCount(band);
    }
    return rows;
}

std::vector<BandRef> classicBands() {
    std::vector<BandRef> bands;
    for (const BandRef band : bandTable()) {
        if (band.plan<ClassicPlan>() != nullptr) {
            bands.push_back(band);
        }
    }
    return bands;
}

// Every channel of the bands converted and written as `table` writes it, into output handed on
// block by block and dropped.
void convertAndFormat(benchmark::State& state, std::span<const BandRef> bands) {
    for (auto _ : state) {
        DroppingSink out;
        report::Rows<report::kChannelColumns> rows(out, {});
        for (const BandRef band : bands) {
            forEachChannelRecord(band, [&rows](const ChannelRecord& r) { rows.write(r); });
        }
        out.flush();
        benchmark::DoNotOptimize(out.bytes);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rowsOf(bands)));
}

// The five classic formats: the 14,702 rows of the window's bands.
void BM_ConvertAndFormatEveryClassicChannel(benchmark::State& state) {
    static const auto bands = classicBands();
    convertAndFormat(state, bands);
}
BENCHMARK(BM_ConvertAndFormatEveryClassicChannel)->Unit(benchmark::kMicrosecond);

void BM_ConvertAndFormatNr(benchmark::State& state) {
    convertAndFormat(state, bandsOf(Format::Nr));
}
BENCHMARK(BM_ConvertAndFormatNr)->Unit(benchmark::kMillisecond);

void BM_ConvertAndFormatEveryFormat(benchmark::State& state) {
    convertAndFormat(state, bandTable());
}
BENCHMARK(BM_ConvertAndFormatEveryFormat)->Unit(benchmark::kMillisecond);

// Every channel of every classic band read from its runs, as the window fills its list.
void BM_BuildAllChannelLists(benchmark::State& state) {
    static const auto bands = classicBands();
    std::vector<Channel> list;
    for (auto _ : state) {
        for (const BandRef band : bands) {
            list.clear();
            for (const auto& run : band.plan<ClassicPlan>()->list) {
                for (std::size_t k = 0; k < run.count(); ++k) {
                    list.push_back(run.at(k));
                }
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

// A place in the union of n90's three rasters, counted by inclusion and exclusion.
void BM_ChannelIndexOfThreeRasters(benchmark::State& state) {
    const BandRef band = *findBand(Format::Nr, "n90");
    for (auto _ : state) {
        benchmark::DoNotOptimize(channelIndex(band, 538000));
    }
}
BENCHMARK(BM_ChannelIndexOfThreeRasters);

void BM_ConvertOneChannel(benchmark::State& state) {
    const auto& plan = *findBand(Format::Cdma, "Secondary 800")->plan<ClassicPlan>();
    for (auto _ : state) {
        const auto c = convertChannel(plan, 919);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_ConvertOneChannel);

void BM_FormatFrequency(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(frequencyText(1930.08 + 0.03 * 511, "."));
    }
}
BENCHMARK(BM_FormatFrequency);

void BM_FormatNumberWithNoise(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(numberText(1930.08 - 1850.04, "."));
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

// A 400 MHz FR2 carrier, its Point A and every SS block position in it: the widest question
// `carrier` and `ssb` answer.
void BM_Fr2CarrierAndItsSsBlocks(benchmark::State& state) {
    const BandRef band = *findBand(Format::Nr, "n257");
    const auto shape = *carrierShape(band, 400000, 120).value;
    for (auto _ : state) {
        const auto carrier = carrierAt(band, 2079165, shape);
        benchmark::DoNotOptimize(ssbPositions(*carrier.value));
    }
}
BENCHMARK(BM_Fr2CarrierAndItsSsBlocks)->Unit(benchmark::kMicrosecond);

// A channel no 100 MHz carrier fits: the answer names the nearest valid centre.
void BM_CarrierThatDoesNotFit(benchmark::State& state) {
    const BandRef band = *findBand(Format::Nr, "n77");
    const auto shape = *carrierShape(band, 100000, 30).value;
    for (auto _ : state) {
        benchmark::DoNotOptimize(carrierAt(band, 620000, shape));
    }
}
BENCHMARK(BM_CarrierThatDoesNotFit)->Unit(benchmark::kMicrosecond);

// `table NR n77 --bandwidth 100`: the channels where such a carrier is valid, as rows.
void BM_TableOfValidCentres(benchmark::State& state) {
    const BandRef band = *findBand(Format::Nr, "n77");
    const auto shape = *carrierShape(band, 100000, 30).value;
    std::size_t rows = 0;
    for (auto _ : state) {
        DroppingSink out;
        report::Rows<report::kChannelColumns> writer(out, {});
        const auto valid = carrierChannels(band, shape);
        rows = 0;
        forEachChannelRecord(band, [&](const ChannelRecord& r) {
            if (r.index && valid.contains(r.channel)) {
                writer.write(r);
                ++rows;
            }
        });
        out.flush();
        benchmark::DoNotOptimize(out.bytes);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rows));
}
BENCHMARK(BM_TableOfValidCentres)->Unit(benchmark::kMillisecond);

// The check of a whole cell's fields, two of them wrong, each with its mending value: the goal
// is under 50 microseconds.
void BM_CheckACell(benchmark::State& state) {
    GivenCell given{*findBand(Format::Nr, "n78")};
    given.pointA = 640008;
    given.carrierBandwidth = 106;
    given.scsKhz = 30;
    given.ssbArfcn = 641280;
    given.kSsb = 6;
    given.offsetToPointA = 86;
    given.coreset0 = 12;
    given.searchSpaceZero = 0;
    std::size_t problems = 0;
    for (auto _ : state) {
        problems = checkCell(given).problems.size();
        benchmark::DoNotOptimize(problems);
    }
    state.counters["problems"] = static_cast<double>(problems);
}
BENCHMARK(BM_CheckACell)->Unit(benchmark::kMicrosecond);

// ca of five 20 MHz carriers of n41: each carrier found at its channel, then their pairs and
// aggregate: the goal is under 20 microseconds.
void BM_AggregateFiveCarriers(benchmark::State& state) {
    const BandRef band = *findBand(Format::Nr, "n41");
    const CarrierShape shape{20000, 30, 0};
    const Channel channels[] = {510000, 513960, 517920, 521880, 525840};
    std::size_t problems = 0;
    for (auto _ : state) {
        std::vector<BandwidthCarrier> carriers;
        for (const Channel channel : channels) {
            carriers.push_back(*carrierAt(band, channel, shape).value);
        }
        problems = aggregate(std::move(carriers)).value->problems.size();
        benchmark::DoNotOptimize(problems);
    }
    state.counters["problems"] = static_cast<double>(problems);
}
BENCHMARK(BM_AggregateFiveCarriers)->Unit(benchmark::kMicrosecond);

}  // namespace

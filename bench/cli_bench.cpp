#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bench/dropping_sink.h"
#include "cli/cli.h"
#include "engine/band_table.h"
#include "engine/channel_record.h"
#include "report/sink.h"

namespace {

using namespace tarnvale;

using bench::DroppingSink;

constexpr std::size_t kBatch = 1'000'000;

// Channels of a format drawn at random (a fixed seed), each channel of each band as likely as
// any other, as a batch or a log holds them.
std::vector<Channel> randomChannels(Format format, std::size_t count) {
    std::uint64_t state = 12345;
    const auto next = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return state >> 33;
    };
    std::vector<Channel> all;
    for (const BandRef band : bandsOf(format)) {
        forEachChannelRecord(band, [&all](const ChannelRecord& r) {
            if (r.index) {
                all.push_back(r.channel);
            }
        });
    }
    std::vector<Channel> channels;
    while (channels.size() < count) {
        channels.push_back(all[((next() << 31) | next()) % all.size()]);
    }
    return channels;
}

// Runs the command on `input`; the lines it wrote.
std::size_t runWithInput(const std::vector<std::string_view>& args, const std::string& input) {
    cli::TextInput standardInput(input);
    DroppingSink out;
    DroppingSink err;
    cli::Diagnostics diagnostics(err);
    cli::run(args, standardInput, out, diagnostics);
    return out.lines;
}

// What reading a command line costs before any row is written.
void BM_ParseACommandLine(benchmark::State& state) {
    const std::vector<std::string_view> args = {"convert", "GSM", "DCS 1800", "512"};
    std::string err;
    for (auto _ : state) {
        DroppingSink out;
        benchmark::DoNotOptimize(cli::run(args, out, err));
    }
}
BENCHMARK(BM_ParseACommandLine)->Unit(benchmark::kMicrosecond);

// `lookup -` of a million NR-ARFCNs, one a line: the goal is two million numbers a second.
void BM_LookupAMillionNrArfcnsFromStandardInput(benchmark::State& state) {
    std::string input;
    for (const auto channel : randomChannels(Format::Nr, kBatch)) {
        input += std::to_string(channel) + "\n";
    }
    std::size_t rows = 0;
    for (auto _ : state) {
        rows = runWithInput({"lookup", "-"}, input);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kBatch));
    state.counters["rows_per_number"] = static_cast<double>(rows) / kBatch;
}
BENCHMARK(BM_LookupAMillionNrArfcnsFromStandardInput)->Unit(benchmark::kMillisecond);

// `annotate` of a drive-test log of a million rows of ten columns with random EARFCNs: the
// goal is three million rows a second.
void BM_AnnotateAMillionRowLog(benchmark::State& state) {
    std::string log = "time,lat,lon,rsrp,rsrq,sinr,pci,earfcn,cell_id,tac\n";
    std::size_t row = 0;
    for (const auto earfcn : randomChannels(Format::Lte, kBatch)) {
        log += "2026-12-07T10:" + std::to_string(10 + row % 50) + ":" +
               std::to_string(10 + row % 49) + ",51.50" + std::to_string(row % 9973) + ",-0.12" +
               std::to_string(row % 7919) + ",-" + std::to_string(70 + row % 50) + ",-" +
               std::to_string(3 + row % 17) + "," + std::to_string(row % 31) + "," +
               std::to_string(row % 504) + "," + std::to_string(earfcn) + "," +
               std::to_string(100000 + row) + "," + std::to_string(row % 65536) + "\n";
        ++row;
    }
    const std::vector<std::string_view> args = {"annotate", "--format", "LTE", "--column",
                                                "earfcn"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(runWithInput(args, log));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kBatch));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * log.size()));
}
BENCHMARK(BM_AnnotateAMillionRowLog)->Unit(benchmark::kMillisecond);

// Every SS block position of a 100 MHz n78 carrier with each CORESET#0 that fits, written out:
// the goal is under a millisecond.
void BM_ConfigAllOfA100MhzN78Carrier(benchmark::State& state) {
    std::size_t rows = 0;
    for (auto _ : state) {
        rows = runWithInput({"config", "NR", "n78", "636666", "--bandwidth", "100", "--all"}, "");
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ConfigAllOfA100MhzN78Carrier)->Unit(benchmark::kMicrosecond);

}  // namespace

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "report/sink.h"

namespace {

using namespace tarnvale;

class DroppingSink : public report::Sink {
  protected:
    void deliver(std::string_view) override {}
};

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

}  // namespace

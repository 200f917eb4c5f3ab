// The calculation cycle one scroll-bar step at a time, over every position of every band, with
// the window shown on the offscreen platform. Reports the median and 90th percentile of a step,
// without and with the repaint that follows it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <vector>

#include "engine/band_table.h"
#include "ui/main/main_window.h"
#include "ui/toolkit/alerts.h"
#include "ui/toolkit/fonts.h"

namespace {

class SilentAlerts : public tarnvale::Alerts {
  public:
    void warn(const QString&, const QString&) override {}
    void beep() override {}
};

double percentile(std::vector<double>& samples, double fraction) {
    const auto at = static_cast<std::ptrdiff_t>(fraction * static_cast<double>(samples.size() - 1));
    std::nth_element(samples.begin(), samples.begin() + at, samples.end());
    return samples[static_cast<std::size_t>(at)];
}

void walkEveryBand(benchmark::State& state, bool repaint) {
    SilentAlerts alerts;
    tarnvale::MainWindow window(alerts);
    window.Form_Load();
    QApplication::processEvents();
    auto* bar = window.findChild<QScrollBar*>("sbFreq");
    std::vector<double> steps;
    for (auto _ : state) {
        steps.clear();
        for (std::size_t f = 0; f < tarnvale::kFormats.size(); ++f) {
            window.findChild<QRadioButton*>(QString("optFormat_%1").arg(f))->click();
            const auto bands = tarnvale::bandsOf(tarnvale::kFormats[f]);
            for (std::size_t b = 0; b < bands.size(); ++b) {
                window.findChild<QRadioButton*>(QString("optBand_%1").arg(b))->click();
                for (int position = 1; position <= bar->maximum(); ++position) {
                    const auto start = std::chrono::steady_clock::now();
                    bar->setValue(position);
                    if (repaint) {
                        QApplication::processEvents();  // paints what the step changed
                    }
                    const std::chrono::duration<double, std::micro> took =
                        std::chrono::steady_clock::now() - start;
                    steps.push_back(took.count());
                }
            }
        }
    }
    state.counters["steps"] = static_cast<double>(steps.size());
    state.counters["median_us"] = percentile(steps, 0.5);
    state.counters["p90_us"] = percentile(steps, 0.9);
}

void BM_ScrollStep(benchmark::State& state) {
    walkEveryBand(state, false);
}
void BM_ScrollStepWithRepaint(benchmark::State& state) {
    walkEveryBand(state, true);
}

BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ScrollStepWithRepaint)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    tarnvale::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

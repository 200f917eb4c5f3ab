// A keystroke to the repainted window, in the windows that answer every key: the Carrier
// window's channel box for the widest FR2 carrier (NR n263, 2000 MHz at 960 kHz), where "+"
// steps to the next valid channel and the window shows its carrier, its SS block positions and
// its picture; and a Check Configuration field, where each key checks the whole cell and draws
// it. The goal is under 16 ms, a frame.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <vector>

#include "engine/band_table.h"
#include "ui/dialogs/carrier_dialog.h"
#include "ui/dialogs/check_dialog.h"
#include "ui/toolkit/alerts.h"
#include "ui/toolkit/application_setup.h"
#include "ui/toolkit/fonts.h"

namespace {

class SilentAlerts : public tarnvale::Alerts {
  public:
    void warn(const QString&, const QString&) override {}
    void beep() override {}
};

void choose(QWidget& window, const char* list, const QString& item) {
    auto* box = window.findChild<QComboBox*>(list);
    box->setCurrentIndex(box->findText(item));
    emit box->activated(box->currentIndex());
}

double percentile(std::vector<double>& samples, double fraction) {
    const auto at = static_cast<std::ptrdiff_t>(fraction * static_cast<double>(samples.size() - 1));
    std::nth_element(samples.begin(), samples.begin() + at, samples.end());
    return samples[static_cast<std::size_t>(at)];
}

// Each keystroke to the window repainted with everything it changed, at once; the median,
// 90th percentile and slowest as counters.
template <typename Keystroke>
void timeKeystrokes(benchmark::State& state, QWidget& window, Keystroke keystroke) {
    std::vector<double> strokes;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        keystroke();
        window.repaint();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        strokes.push_back(took.count());
    }
    state.counters["median_ms"] = percentile(strokes, 0.5);
    state.counters["p90_ms"] = percentile(strokes, 0.9);
    state.counters["max_ms"] = *std::ranges::max_element(strokes);
}

void BM_CarrierKeystrokeToRepaint(benchmark::State& state) {
    SilentAlerts alerts;
    tarnvale::CarrierDialog window(alerts);
    window.show();
    choose(window, "cboCarrierFormat", "NR");
    choose(window, "cboCarrierBand", "n263");
    choose(window, "cboBandwidth", "2000 MHz");
    QApplication::processEvents();
    if (!window.findChild<QLabel*>("lblCarrierEdges")->text().contains("148 resource blocks")) {
        state.SkipWithError("the window does not show n263's 2000 MHz carrier");
        return;
    }
    auto* channel = window.findChild<QLineEdit*>("txtCarrierChannel");
    timeKeystrokes(state, window, [channel] { QTest::keyClick(channel, Qt::Key_Plus); });
}
BENCHMARK(BM_CarrierKeystrokeToRepaint)->Unit(benchmark::kMillisecond)->Iterations(200);

// Typing into the searchSpaceZero box of a consistent n78 cell and taking it back, in turn.
void BM_CheckKeystrokeToRepaint(benchmark::State& state) {
    SilentAlerts alerts;
    tarnvale::CheckDialog window(alerts);
    window.show();
    tarnvale::GivenCell cell{*tarnvale::findBand(tarnvale::Format::Nr, "n78")};
    cell.pointA = 633390;
    cell.carrierBandwidth = 273;
    cell.scsKhz = 30;
    cell.ssbArfcn = 636672;
    cell.kSsb = 18;
    cell.offsetToPointA = 252;
    cell.coreset0 = 13;
    window.showCell(cell);
    QApplication::processEvents();
    auto* box = window.findChild<QLineEdit*>("txtSearchSpaceZero");
    box->setFocus();
    bool typed = false;
    timeKeystrokes(state, window, [box, &typed] {
        QTest::keyClick(box, typed ? Qt::Key_Backspace : Qt::Key_1);
        typed = !typed;
    });
}
BENCHMARK(BM_CheckKeystrokeToRepaint)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    tarnvale::installStartupStyle();
    tarnvale::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

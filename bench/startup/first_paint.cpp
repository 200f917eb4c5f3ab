#include "first_paint.h"

#include <unistd.h>

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

namespace tarnvale::bench {
namespace {

constexpr int kLingerMs = 500;

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// The process's peak resident memory so far, from the kernel's VmHWM.
long long peakResidentKib() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:")) {
            return std::atoll(line.c_str() + 6);
        }
    }
    return -1;
}

class FirstPaint : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            const char* spawned = std::getenv("TARNVALE_SPAWN_NS");
            const long long since = spawned ? monotonicNs() - std::atoll(spawned) : -1;
            std::printf("%lld %lld\n", since / 1000, peakResidentKib());
            std::fflush(stdout);
            QTimer::singleShot(kLingerMs, [] { _exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool painted_ = false;
};

}  // namespace

void exitAfterFirstPaint(QWidget* window) {
    window->installEventFilter(new FirstPaint(window));
}

}  // namespace tarnvale::bench

// Runs the program and a minimal Qt window alternately, each until half a second after its
// window is first painted, and compares them pair by pair: the time to the first paint, the
// peak resident memory at that moment, and the peak half a second later (what a user pays).
// Usage: startup_bench [RUNS]   (the two programs are looked up beside this one)
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double startupMs;
    double mappedRssMb;  // peak resident memory at the first paint
    double peakRssMb;    // and half a second later
};

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

Run runOnce(const std::string& program) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    // Qt's notes on the offscreen platform are no part of the figures.
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    setenv("TARNVALE_SPAWN_NS", std::to_string(monotonicNs()).c_str(), 1);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        std::exit(1);
    }
    close(pipeFds[1]);
    char buffer[64] = {};
    const auto got = read(pipeFds[0], buffer, sizeof buffer - 1);
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    posix_spawn_file_actions_destroy(&actions);
    if (got <= 0) {
        std::fprintf(stderr, "%s printed no start-up time\n", program.c_str());
        std::exit(1);
    }
    char* rest = nullptr;
    const double startupUs = std::strtod(buffer, &rest);
    const double mappedKib = std::strtod(rest, nullptr);
    return {startupUs / 1000.0, mappedKib / 1024.0, static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Figure {
    const char* name;
    const char* unit;
    double Run::*value;
};

constexpr Figure kFigures[] = {
    {"time to first paint", "ms", &Run::startupMs},
    {"peak memory at first paint", "MiB", &Run::mappedRssMb},
    {"peak memory half a second later", "MiB", &Run::peakRssMb},
};

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const auto dir = std::filesystem::path(argv[0]).parent_path();
    const std::string tarnvale = (dir / "tarnvale_first_paint").string();
    const std::string minimal = (dir / "minimal_window").string();
    std::vector<std::pair<Run, Run>> pairs;
    runOnce(tarnvale);  // warm the file cache for both
    runOnce(minimal);
    for (int i = 0; i < runs; ++i) {
        const Run t = runOnce(tarnvale);
        pairs.emplace_back(t, runOnce(minimal));
    }
    std::printf("runs: %d pairs, alternating; medians, and the median of the pairs' ratios\n",
                runs);
    for (const auto& figure : kFigures) {
        std::vector<double> ours, theirs, ratios;
        for (const auto& [t, m] : pairs) {
            ours.push_back(t.*figure.value);
            theirs.push_back(m.*figure.value);
            ratios.push_back(t.*figure.value / m.*figure.value);
        }
        std::printf("%s: tarnvale %.1f %s, minimal window %.1f %s, ratio %.2f\n", figure.name,
                    median(ours), figure.unit, median(theirs), figure.unit, median(ratios));
    }
    return 0;
}

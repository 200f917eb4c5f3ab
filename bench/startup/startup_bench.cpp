// Runs the program and a minimal Qt window alternately, each until its window is first painted,
// and compares the median start-up time and peak resident memory.
// Usage: startup_bench [RUNS]   (the two programs are looked up beside this one)
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
    double peakRssMb;
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
    return {std::atof(buffer) / 1000.0, static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const auto dir = std::filesystem::path(argv[0]).parent_path();
    const std::string tarnvale = (dir / "tarnvale_first_paint").string();
    const std::string minimal = (dir / "minimal_window").string();
    std::vector<double> tStart, tRss, mStart, mRss;
    runOnce(tarnvale);  // warm the file cache for both
    runOnce(minimal);
    for (int i = 0; i < runs; ++i) {
        const Run t = runOnce(tarnvale);
        const Run m = runOnce(minimal);
        tStart.push_back(t.startupMs);
        tRss.push_back(t.peakRssMb);
        mStart.push_back(m.startupMs);
        mRss.push_back(m.peakRssMb);
    }
    std::printf("runs: %d each, alternating\n", runs);
    std::printf(
        "start-up to first paint, fastest: tarnvale %.1f ms, minimal window %.1f ms, ratio %.2f\n",
        *std::min_element(tStart.begin(), tStart.end()),
        *std::min_element(mStart.begin(), mStart.end()),
        *std::min_element(tStart.begin(), tStart.end()) /
            *std::min_element(mStart.begin(), mStart.end()));
    std::printf(
        "start-up to first paint, median: tarnvale %.1f ms, minimal window %.1f ms, ratio %.2f\n",
        median(tStart), median(mStart), median(tStart) / median(mStart));
    std::printf(
        "peak resident memory, median: tarnvale %.1f MB, minimal window %.1f MB, ratio %.2f\n",
        median(tRss), median(mRss), median(tRss) / median(mRss));
    return 0;
}

#include "engine/run_union.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <utility>

namespace tarnvale {
namespace {

// The inverse of `a` modulo `m`, for a and m without common factor.
std::int64_t inverseModulo(std::int64_t a, std::int64_t m) {
    std::int64_t oldR = a % m;
    std::int64_t r = m;
    std::int64_t oldS = 1;
    std::int64_t s = 0;
    while (r != 0) {
        const std::int64_t q = oldR / r;
        oldR = std::exchange(r, oldR - q * r);
        oldS = std::exchange(s, oldS - q * s);
    }
    return ((oldS % m) + m) % m;
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

std::size_t countBelow(const ChannelRun& run, std::int64_t n) {
    if (n <= run.first) {
        return 0;
    }
    const std::int64_t top = std::min<std::int64_t>(n - 1, run.last);
    return static_cast<std::size_t>((top - run.first) / run.step) + 1;
}

// Sums the counts of every intersection of the runs, with the sign inclusion and exclusion
// gives it; `count` measures one run.
template <typename Count>
std::size_t inclusionExclusion(std::span<const ChannelRun> runs, Count count) {
    if (runs.size() == 1) {
        return count(runs.front());  // most bands have one run: no intersections to take
    }
    std::int64_t total = 0;
    const std::size_t subsets = std::size_t{1} << runs.size();
    for (std::size_t subset = 1; subset < subsets; ++subset) {
        std::optional<ChannelRun> shared;
        int members = 0;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            if ((subset & (std::size_t{1} << i)) == 0) {
                continue;
            }
            shared = members++ == 0 ? runs[i] : intersect(*shared, runs[i]);
            if (!shared) {
                break;
            }
        }
        if (shared) {
            const auto counted = static_cast<std::int64_t>(count(*shared));
            total += members % 2 == 1 ? counted : -counted;
        }
    }
    return static_cast<std::size_t>(total);
}

}  // namespace

std::optional<ChannelRun> intersect(const ChannelRun& a, const ChannelRun& b) {
    const std::int64_t p = a.step;
    const std::int64_t q = b.step;
    if (p < 1 || q < 1) {
        return std::nullopt;  // no run steps by less than one
    }
    const std::int64_t g = std::gcd(p, q);
    const std::int64_t difference = std::int64_t{b.first} - a.first;
    if (difference % g != 0) {
        return std::nullopt;
    }
    // x = a.first + p k with p k = difference (mod q): k = difference / g * (p / g)^-1 mod q / g.
    const std::int64_t m = q / g;
    const std::int64_t k =
        m == 1 ? 0 : ((difference / g) % m + m) % m * inverseModulo((p / g) % m, m) % m;
    const std::int64_t common = a.first + p * k;
    const std::int64_t step = p / g * q;
    const std::int64_t low = std::max(a.first, b.first);
    const std::int64_t high = std::min(a.last, b.last);
    const std::int64_t first = common + (floorDiv(low - common - 1, step) + 1) * step;
    if (first > high) {
        return std::nullopt;
    }
    if (step > high - first) {
        return ChannelRun{static_cast<Channel>(first), 1, static_cast<Channel>(first)};
    }
    const std::int64_t last = first + (high - first) / step * step;
    return ChannelRun{static_cast<Channel>(first), static_cast<Channel>(step),
                      static_cast<Channel>(last)};
}

std::size_t unionCount(std::span<const ChannelRun> runs) {
    return inclusionExclusion(runs, [](const ChannelRun& run) { return run.count(); });
}

std::size_t unionCountBelow(std::span<const ChannelRun> runs, Channel n) {
    return inclusionExclusion(runs, [n](const ChannelRun& run) { return countBelow(run, n); });
}

bool unionHolds(std::span<const ChannelRun> runs, Channel n) {
    return std::ranges::any_of(runs, [n](const ChannelRun& run) { return run.holds(n); });
}

}  // namespace tarnvale

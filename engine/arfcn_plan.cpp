#include "engine/arfcn_plan.h"

namespace tarnvale {

const CarrierRuns& listedRuns(const ArfcnPlan& plan) {
    return plan.duplex == Duplex::Sul ? plan.uplink : plan.downlink;
}

InlineList<ChannelRun, 6> numbersOf(const CarrierRuns& runs) {
    InlineList<ChannelRun, 6> numbers;
    for (const auto& run : runs) {
        numbers.push(run.numbers);
    }
    return numbers;
}

std::optional<std::int64_t> carrierKhz(const CarrierRuns& runs, Channel n) {
    for (const auto& run : runs) {
        if (run.numbers.holds(n)) {
            return run.khzOf(n);
        }
    }
    return std::nullopt;
}

std::optional<Channel> numberAtKhz(const CarrierRuns& runs, std::int64_t khz) {
    for (const auto& run : runs) {
        if (const auto n = run.numberAt(khz)) {
            return n;
        }
    }
    return std::nullopt;
}

std::optional<Channel> uplinkOf(const ArfcnPlan& plan, Channel downlink) {
    const auto khz = carrierKhz(plan.downlink, downlink);
    if (!khz || plan.duplex == Duplex::Sdl) {
        return std::nullopt;
    }
    return plan.duplex == Duplex::Tdd ? downlink : numberAtKhz(plan.uplink, *khz - plan.duplexKhz);
}

std::optional<Channel> downlinkOf(const ArfcnPlan& plan, Channel uplink) {
    const auto khz = carrierKhz(plan.uplink, uplink);
    if (!khz || plan.duplex == Duplex::Sul) {
        return std::nullopt;
    }
    return plan.duplex == Duplex::Tdd ? uplink : numberAtKhz(plan.downlink, *khz + plan.duplexKhz);
}

}  // namespace tarnvale

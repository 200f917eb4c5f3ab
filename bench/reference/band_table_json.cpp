// Writes the engine's band table as JSON, for the Python yardstick to read: the yardstick then
// works from the same facts as tarnvale-cli without a copy of its own.
#include <iostream>
#include <nlohmann/json.hpp>

#include "engine/band_table.h"

namespace {

using nlohmann::json;
using namespace tarnvale;

json runs(const auto& list) {
    json out = json::array();
    for (const auto& run : list) {
        out.push_back({run.first, run.step, run.last});
    }
    return out;
}

json classic(const ClassicPlan& plan) {
    json ranges = json::array();
    for (const auto& r : plan.rule.ranges) {
        ranges.push_back({r.low, r.high, r.first, r.base, r.step, r.gap, r.spacing});
    }
    json pairing = nullptr;
    if (plan.pairing) {
        pairing = {plan.pairing->offset, plan.pairing->upTo, plan.pairing->offsetAbove};
    }
    return {{"list", runs(plan.list)},
            {"divide_by_five", plan.rule.shape == Shape::DivideByFive},
            {"band_wide_spacing", plan.rule.spacing == SpacingRule::BandWide},
            {"ranges", ranges},
            {"pairing", pairing}};
}

json carrierRuns(const CarrierRuns& list) {
    json out = json::array();
    for (const auto& run : list) {
        out.push_back({run.numbers.first, run.numbers.step, run.numbers.last, run.firstKhz,
                       run.khzPerNumber});
    }
    return out;
}

json carriers(const ArfcnPlan& plan) {
    return {{"duplex", duplexName(plan.duplex)},
            {"downlink", carrierRuns(plan.downlink)},
            {"uplink", carrierRuns(plan.uplink)},
            {"duplex_khz", plan.duplexKhz},
            {"spacing_khz", plan.spacingKhz}};
}

}  // namespace

int main() {
    json bands = json::array();
    for (const BandRef band : bandTable()) {
        json row = {{"format", band.formatName()}, {"band", band.name()}};
        if (const auto* plan = band.plan<ClassicPlan>()) {
            row["classic"] = classic(*plan);
        } else {
            row["carriers"] = carriers(*band.plan<ArfcnPlan>());
        }
        bands.push_back(row);
    }
    std::cout << bands.dump() << "\n";
}

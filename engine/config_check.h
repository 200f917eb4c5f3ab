#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/band_ref.h"
#include "engine/cell_fields.h"
#include "engine/subcarriers.h"

// The check of an NR cell's frequency fields as a configuration gives them: every relation
// between them, each broken one named with the fields that could mend it.
namespace tarnvale {

// A cell's fields as given; any may be missing. Without subCarrierSpacingCommon, CORESET#0 has
// the carrier's spacing (30 kHz for an FR1 carrier of 60 kHz).
struct GivenCell {
    BandRef band;
    std::optional<std::int64_t> pointA = std::nullopt;  // absoluteFrequencyPointA, NR-ARFCN
    int offsetToCarrier = 0;
    std::optional<int> carrierBandwidth = std::nullopt;
    std::optional<std::int32_t> scsKhz = std::nullopt;
    std::optional<std::int64_t> ssbArfcn = std::nullopt;
    std::optional<std::int32_t> ssbScsKhz = std::nullopt;
    std::optional<int> kSsb = std::nullopt;
    std::optional<int> offsetToPointA = std::nullopt;
    std::optional<std::int32_t> scsCommonKhz = std::nullopt;
    std::optional<int> coreset0 = std::nullopt;
    std::optional<int> searchSpaceZero = std::nullopt;
    std::optional<int> bwpLocationAndBandwidth = std::nullopt;
    std::optional<std::int64_t> uplinkPointA = std::nullopt;
    int uplinkOffsetToCarrier = 0;
    std::optional<int> uplinkCarrierBandwidth = std::nullopt;
    std::optional<std::int32_t> uplinkScsKhz = std::nullopt;
};

// A relation the fields break: the field named, the value given, a value (or range) that would
// mend it with the other fields as they are, and why.
struct ConfigProblem {
    CellField field;
    std::string given;
    std::string consistent;
    std::string why;
};

// Where the fields put things, consistent or not, for a picture of them.
struct CheckedCell {
    std::optional<std::int64_t> pointAKhz = std::nullopt;
    std::optional<HzSpan> channel = std::nullopt;       // the channel bandwidth
    std::optional<HzSpan> transmission = std::nullopt;  // its resource blocks
    std::optional<HzSpan> ssb = std::nullopt;
    std::optional<HzSpan> coreset0 = std::nullopt;
    bool ssbInside = false;
    bool coreset0Inside = false;
};

struct CellCheck {
    std::vector<ConfigProblem> problems;
    CheckedCell cell;
};

CellCheck checkCell(const GivenCell& given);

}  // namespace tarnvale

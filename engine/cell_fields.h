#pragma once

#include <string_view>

// The frequency fields of an NR cell, named as TS 38.331 names them, with the part of the
// configuration that holds each: config writes them, check names them, the window shows them.
namespace tarnvale {

struct CellField {
    std::string_view part;
    std::string_view name;
    std::string_view unit;

    constexpr bool operator==(const CellField& other) const {
        return part == other.part && name == other.name;
    }
};

namespace cell_field {
inline constexpr CellField kSsbArfcn{"downlink", "absoluteFrequencySSB", "NR-ARFCN"};
inline constexpr CellField kPointA{"downlink", "absoluteFrequencyPointA", "NR-ARFCN"};
inline constexpr CellField kOffsetToCarrier{"downlink", "offsetToCarrier", "RBs"};
inline constexpr CellField kCarrierBandwidth{"downlink", "carrierBandwidth", "RBs"};
inline constexpr CellField kSubcarrierSpacing{"downlink", "subcarrierSpacing", "kHz"};
inline constexpr CellField kOffsetToPointA{"downlink", "offsetToPointA", "RBs"};
inline constexpr CellField kSsbSubcarrierSpacing{"cell", "ssbSubcarrierSpacing", "kHz"};
inline constexpr CellField kKssb{"MIB", "ssb-SubcarrierOffset", "subcarriers"};
inline constexpr CellField kScsCommon{"MIB", "subCarrierSpacingCommon", "kHz"};
inline constexpr CellField kCoreset0{"MIB", "controlResourceSetZero", ""};
inline constexpr CellField kSearchSpaceZero{"MIB", "searchSpaceZero", ""};
inline constexpr CellField kBwp{"initial downlink BWP", "locationAndBandwidth", "RIV"};
inline constexpr CellField kCoreset0Bwp{"CORESET#0", "locationAndBandwidth", "RIV"};
inline constexpr CellField kUplinkPointA{"uplink", "absoluteFrequencyPointA", "NR-ARFCN"};
inline constexpr CellField kUplinkOffsetToCarrier{"uplink", "offsetToCarrier", "RBs"};
inline constexpr CellField kUplinkCarrierBandwidth{"uplink", "carrierBandwidth", "RBs"};
inline constexpr CellField kUplinkSubcarrierSpacing{"uplink", "subcarrierSpacing", "kHz"};
inline constexpr CellField kBand{"cell", "frequencyBandList", ""};
}  // namespace cell_field

}  // namespace tarnvale

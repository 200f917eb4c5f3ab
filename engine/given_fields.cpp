#include "engine/given_fields.h"

#include <algorithm>
#include <array>
#include <type_traits>

namespace tarnvale {
namespace {

using namespace cell_field;

// How each field is read from and written to a GivenCell.
struct Access {
    CellField field;
    std::optional<std::int64_t> (*get)(const GivenCell&);
    void (*set)(GivenCell&, std::optional<std::int64_t>);
};

template <typename T>
std::optional<std::int64_t> widened(const std::optional<T>& value) {
    return value ? std::optional<std::int64_t>(*value) : std::nullopt;
}

template <typename T>
std::optional<T> narrowed(std::optional<std::int64_t> value) {
    return value ? std::optional<T>(static_cast<T>(*value)) : std::nullopt;
}

// A field the cell may lack.
template <auto Member>
constexpr Access optionalField(CellField field) {
    return {field, [](const GivenCell& c) { return widened(c.*Member); },
            [](GivenCell& c, std::optional<std::int64_t> v) {
                using Value = typename std::remove_cvref_t<decltype(c.*Member)>::value_type;
                c.*Member = narrowed<Value>(v);
            }};
}

// A field that is 0 where a configuration leaves it out.
template <auto Member>
constexpr Access zeroField(CellField field) {
    return {field, [](const GivenCell& c) { return std::optional<std::int64_t>(c.*Member); },
            [](GivenCell& c, std::optional<std::int64_t> v) {
                c.*Member = static_cast<int>(v.value_or(0));
            }};
}

constexpr std::array kAccess = {
    optionalField<&GivenCell::pointA>(kPointA),
    zeroField<&GivenCell::offsetToCarrier>(kOffsetToCarrier),
    optionalField<&GivenCell::carrierBandwidth>(kCarrierBandwidth),
    optionalField<&GivenCell::scsKhz>(kSubcarrierSpacing),
    optionalField<&GivenCell::ssbArfcn>(kSsbArfcn),
    optionalField<&GivenCell::ssbScsKhz>(kSsbSubcarrierSpacing),
    optionalField<&GivenCell::kSsb>(kKssb),
    optionalField<&GivenCell::offsetToPointA>(kOffsetToPointA),
    optionalField<&GivenCell::coreset0>(kCoreset0),
    optionalField<&GivenCell::searchSpaceZero>(kSearchSpaceZero),
    optionalField<&GivenCell::scsCommonKhz>(kScsCommon),
    optionalField<&GivenCell::bwpLocationAndBandwidth>(kBwp),
    optionalField<&GivenCell::uplinkPointA>(kUplinkPointA),
    zeroField<&GivenCell::uplinkOffsetToCarrier>(kUplinkOffsetToCarrier),
    optionalField<&GivenCell::uplinkCarrierBandwidth>(kUplinkCarrierBandwidth),
    optionalField<&GivenCell::uplinkScsKhz>(kUplinkSubcarrierSpacing),
};

// The form's fields: the downlink carrier, the SS block, the MIB's CORESET#0 and search space.
constexpr std::array kFormFields = {kPointA,
                                    kOffsetToCarrier,
                                    kCarrierBandwidth,
                                    kSubcarrierSpacing,
                                    kSsbArfcn,
                                    kSsbSubcarrierSpacing,
                                    kKssb,
                                    kOffsetToPointA,
                                    kCoreset0,
                                    kSearchSpaceZero};

const Access* accessOf(const CellField& field) {
    const auto found = std::ranges::find(kAccess, field, &Access::field);
    return found == kAccess.end() ? nullptr : &*found;
}

}  // namespace

std::span<const CellField> givenFields() {
    return kFormFields;
}

std::optional<std::int64_t> givenField(const GivenCell& cell, const CellField& field) {
    const auto* access = accessOf(field);
    return access ? access->get(cell) : std::nullopt;
}

bool setGivenField(GivenCell& cell, const CellField& field, std::optional<std::int64_t> value) {
    const auto* access = accessOf(field);
    if (access == nullptr) {
        return false;
    }
    access->set(cell, value);
    return true;
}

}  // namespace tarnvale

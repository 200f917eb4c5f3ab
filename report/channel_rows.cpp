#include "report/channel_rows.h"

#include "engine/number_text.h"

namespace tarnvale::report {
namespace {

template <typename T>
void optionalInteger(TableWriter& table, const std::optional<T>& value) {
    value ? table.integer(static_cast<long long>(*value)) : table.empty();
}

void optionalCarrier(TableWriter& table, const std::optional<Carrier>& carrier) {
    if (!carrier) {
        table.empty();
    } else if (carrier->khz) {
        table.kilohertz(*carrier->khz);
    } else {
        table.frequency(carrier->mhz);
    }
}

}  // namespace

std::string_view ChannelRows::RepeatedNumber::of(double next) {
    if (next != value) {
        value = next;
        digits = numberText(next, ".");
    }
    return digits;
}

void ChannelRows::write(const ChannelRecord& r) {
    table_.text(r.band.formatName());
    table_.text(r.band.name());
    optionalInteger(table_, r.index);
    table_.integer(r.channel);
    optionalCarrier(table_, r.downlinkCarrier);
    optionalCarrier(table_, r.uplinkCarrier);
    if (r.gapMhz) {
        table_.number(gap_.of(*r.gapMhz));
    } else {
        table_.empty();
    }
    table_.number(spacing_.of(r.spacingKhz));
    optionalInteger(table_, r.downlinkChannel);
    optionalInteger(table_, r.uplinkChannel);
    table_.text(duplexName(r.band.duplex()));
    table_.endRow();
}

}  // namespace tarnvale::report

#include "report/carrier_rows.h"

namespace tarnvale::report {

void CarrierRows::write(const CarrierMatch& m) {
    table_.text(m.band.formatName());
    table_.text(m.band.name());
    table_.integer(static_cast<long long>(m.index));
    table_.integer(m.channel);
    table_.text(m.direction == Direction::Downlink ? "forward" : "reverse");
    table_.frequency(m.frequencyMhz);
    table_.generalNumber(m.offsetKhz);
    table_.endRow();
}

}  // namespace tarnvale::report

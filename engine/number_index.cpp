#include "engine/number_index.h"

#include "engine/band_table.h"
#include "engine/lookup.h"

namespace tarnvale {

const NumberIndex& NumberIndex::of(Format format) {
    static const auto indexes = [] {
        std::vector<NumberIndex> all;
        all.reserve(kFormats.size());
        for (const Format each : kFormats) {
            all.push_back(NumberIndex(each));
        }
        return all;
    }();
    return indexes[static_cast<std::size_t>(format)];
}

NumberIndex::NumberIndex(Format format) : format_(format) {
    if (format == Format::Nr) {
        size_ = kLastNrArfcn + 1;
        held_.assign(size_ / 64 + 1, 0);
        for (const BandRef band : bandsOf(format)) {
            const auto& plan = *band.plan<ArfcnPlan>();
            for (const auto* runs : {&plan.downlink, &plan.uplink}) {
                for (const auto& run : *runs) {
                    for (Channel n = run.numbers.first; n <= run.numbers.last;
                         n += run.numbers.step) {
                        held_[static_cast<std::size_t>(n) / 64] |= std::uint64_t{1} << (n % 64);
                    }
                }
            }
        }
        return;
    }
    size_ = static_cast<std::uint64_t>(highestNumber(format)) + 1;
    mhz_.resize(size_);
    for (std::size_t n = 0; n < size_; ++n) {
        mhz_[n] = firstCarrierMhz(format, static_cast<std::int64_t>(n));
    }
}

namespace {

double firstOf(std::int64_t number, std::span<const BandRef> bands) {
    if (number < 0 || number > std::numeric_limits<Channel>::max()) {
        return NumberIndex::kNone;
    }
    const auto found = numberCarriers(static_cast<Channel>(number), bands, DirectionChoice::Any);
    return found.empty() ? NumberIndex::kNone : found.front().carrier.mhz;
}

}  // namespace

double firstCarrierMhz(Format format, std::int64_t number) {
    return firstOf(number, bandsOf(format));
}

double carrierMhz(BandRef band, std::int64_t number) {
    return firstOf(number, {&band, 1});
}

}  // namespace tarnvale

#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "engine/band_ref.h"
#include "engine/format.h"
#include "engine/nr_raster.h"

// The carrier frequency of every channel number of a format at once, for arrays of numbers from
// logs: each number's carrier in the first band of the format, in catalogue order, that holds it
// (its downlink where a band has both), as numberCarriers() gives it one number at a time.
namespace tarnvale {

class NumberIndex {
  public:
    // Built once a format, on first use; safe to share between threads.
    static const NumberIndex& of(Format format);

    // MHz, or NaN where no band of the format has the number.
    double mhz(std::int64_t number) const {
        if (number < 0 || static_cast<std::uint64_t>(number) >= size_) {
            return kNone;
        }
        if (format_ == Format::Nr) {
            // NR-ARFCNs name one frequency whatever the band: the global raster's.
            const auto n = static_cast<std::size_t>(number);
            return (held_[n / 64] >> (n % 64) & 1) != 0
                       ? static_cast<double>(nrArfcnKhz(static_cast<Channel>(number))) / 1000.0
                       : kNone;
        }
        return mhz_[static_cast<std::size_t>(number)];
    }

    static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

  private:
    explicit NumberIndex(Format format);

    Format format_;
    std::uint64_t size_ = 0;
    std::vector<std::uint64_t> held_;  // NR: a bit for each NR-ARFCN some band holds
    std::vector<double> mhz_;          // the others: each number's frequency
};

// The same for one number, the plain way.
double firstCarrierMhz(Format format, std::int64_t number);

// The carrier a number names in one band (its downlink where the band has both), in MHz; NaN
// where the band has no such channel.
double carrierMhz(BandRef band, std::int64_t number);

}  // namespace tarnvale

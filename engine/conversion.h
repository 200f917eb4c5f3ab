#pragma once

#include <string>
#include <string_view>

#include "channel_number.h"

namespace tarnvale {

struct Conversion {
    double forward = 0.0;  // MHz, downlink
    double reverse = 0.0;  // MHz, uplink
    double spacing = 0.0;  // KHz; 0 stands for a variable spacing
};

struct BandRule;

// Converts channels of one band, with its rule looked up once.
class BandConverter {
  public:
    BandConverter(std::string_view band, std::string_view format);
    Conversion operator()(Channel channel) const;

  private:
    const BandRule* rule_;
};

// Forward and reverse carrier and channel spacing of `channel` in `band`. The format matters
// only for "PCS 1900". Values that no rule assigns stay 0: an unknown band gives all zeros.
Conversion convertChannel(std::string_view band, std::string_view format, Channel channel);

// The caption of the spacing label, e.g. "Channel spacing: 12.5 KHz".
std::string formatChannelSpacing(double spacingKhz, std::string_view decimalSeparator);

}  // namespace tarnvale

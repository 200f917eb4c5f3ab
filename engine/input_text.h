#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/channel_number.h"
#include "engine/reading.h"

// Channel numbers and frequencies as a person gives them, with the reason where a text is
// none. The window and the command line word their refusals alike from here.
namespace tarnvale {

// A whole number from 0 up, within the 32 bits of a channel number.
Reading<Channel> readChannelNumber(std::string_view text);

// A plain decimal number of MHz, 0 or more, with `decimalSeparator` as the decimal point.
Reading<double> readFrequencyMhz(std::string_view text, std::string_view decimalSeparator);

// Why a frequency read from the text `shown` is none to search for (a negative one), or nullopt.
std::optional<std::string> frequencyRefusal(double mhz, std::string_view shown);

}  // namespace tarnvale

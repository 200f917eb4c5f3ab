#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/channel_number.h"
#include "engine/reading.h"

// Channel numbers and frequencies as a person gives them, with the reason where a text is
// none. The window and the command line word their refusals alike from here.
namespace tarnvale {

// The text without the spaces and tabs around it: a value is read the same with or without.
std::string_view trimmed(std::string_view text);

// A value a person gave, as a message shows it: control characters escaped and anything past
// 40 characters cut to "...", so that what a message quotes can neither flood nor garble it.
// Every message that echoes input (arguments, standard input, CSV fields) shows it so.
std::string echoed(std::string_view text);
// The same in double quotes.
std::string inQuotes(std::string_view text);

// A whole number from 0 up, within the 31 bits of a channel number.
Reading<Channel> readChannelNumber(std::string_view text);

// A channel number of the NR global raster, 0 to 3279165.
Reading<Channel> readNrArfcn(std::string_view text);

// A plain decimal number of MHz, 0 or more, with `decimalSeparator` as the decimal point.
Reading<double> readFrequencyMhz(std::string_view text, std::string_view decimalSeparator);

// Why a frequency read from the text `shown` is none to search for (a negative one), or nullopt.
std::optional<std::string> frequencyRefusal(double mhz, std::string_view shown);

}  // namespace tarnvale

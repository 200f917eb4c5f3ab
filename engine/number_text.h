#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/channel_number.h"

// Number texts of the window and the command-line tool. None depends on the C locale: the
// decimal separator is always passed in.
namespace tarnvale {

// Pattern "####.0000": four decimals, no grouping, nothing before the separator for a zero
// integer part.
std::string formatFrequency(double mhz, std::string_view decimalSeparator);

// General text: rounded to 15 significant digits, plain notation, no trailing zeros, no
// separator for a whole number.
std::string formatNumber(double value, std::string_view decimalSeparator);

// The same texts appended to `out`, for writers of many numbers.
void appendFrequency(std::string& out, double mhz, std::string_view decimalSeparator);
void appendNumber(std::string& out, double value, std::string_view decimalSeparator);
void appendChannel(std::string& out, int channel);

// Decimal digits with a leading "-" when negative.
std::string formatChannel(int channel);

// Strict: an optional "-" and digits only, within the range of a channel number. Anything else
// is nullopt.
std::optional<Channel> parseChannel(std::string_view text);

// Inverse of formatNumber: plain decimal text with `decimalSeparator`, optionally signed with
// "-", finite. Anything else is nullopt.
std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator);

}  // namespace tarnvale

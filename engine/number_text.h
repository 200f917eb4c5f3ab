#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/channel_number.h"

// Number texts of the window and the command-line tool. None depends on the C locale: the
// decimal separator is always passed in.
namespace tarnvale {

// Pattern "####.0000": four decimals, no grouping, nothing before the separator for a zero
// integer part.
std::string frequencyText(double mhz, std::string_view decimalSeparator);

// General text: rounded to 15 significant digits, plain notation, no trailing zeros, no
// separator for a whole number.
std::string numberText(double value, std::string_view decimalSeparator);

// Kilohertz as MHz in general text: "20", "1.4".
std::string megahertzText(std::int64_t khz);

// The same texts written at `out`, which has room for kMaxFrequencyChars or kMaxIntegerChars;
// they return the end of what they wrote. For writers of many numbers.
inline constexpr std::size_t kMaxFrequencyChars = 400;
inline constexpr std::size_t kMaxIntegerChars = 24;
char* writeFrequency(char* out, double mhz, std::string_view decimalSeparator);
char* writeInteger(char* out, long long value);
// Whole kilohertz as MHz in the frequency pattern, with no rounding to do.
char* writeKilohertzAsMegahertz(char* out, long long khz, std::string_view decimalSeparator);

// The same texts appended to `out`.
void appendFrequency(std::string& out, double mhz, std::string_view decimalSeparator);
void appendNumber(std::string& out, double value, std::string_view decimalSeparator);
void appendInteger(std::string& out, long long value);

// Decimal digits with a leading "-" when negative.
std::string channelText(int channel);

// Strict: an optional "-" and digits only, within the range of a channel number. Anything else
// is nullopt.
std::optional<Channel> parseChannel(std::string_view text);

// Inverse of numberText: plain decimal text with `decimalSeparator`, optionally signed with
// "-", finite. Anything else is nullopt.
std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator);

}  // namespace tarnvale

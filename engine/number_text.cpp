#include "engine/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace tarnvale {
namespace {

constexpr int kSignificantDigits = 15;
// Below this the spacing of doubles is at most 1/16, far finer than the rounding tolerance.
constexpr double kExactScaledLimit = 562949953421312.0;  // 2^49
constexpr std::size_t kMaxFastSeparator = 8;

// "00" to "99": two digits at a time, as tables write millions of numbers.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// log10 from the bit width (1233 / 4096 is just above log10 2), then one comparison.
int digitCount(unsigned long long value) {
    static constexpr std::array<unsigned long long, 20> kPowersOfTen = {1ULL,
                                                                        10ULL,
                                                                        100ULL,
                                                                        1000ULL,
                                                                        10000ULL,
                                                                        100000ULL,
                                                                        1000000ULL,
                                                                        10000000ULL,
                                                                        100000000ULL,
                                                                        1000000000ULL,
                                                                        10000000000ULL,
                                                                        100000000000ULL,
                                                                        1000000000000ULL,
                                                                        10000000000000ULL,
                                                                        100000000000000ULL,
                                                                        1000000000000000ULL,
                                                                        10000000000000000ULL,
                                                                        100000000000000000ULL,
                                                                        1000000000000000000ULL,
                                                                        10000000000000000000ULL};
    const auto odd = value | 1;  // 0 has a digit too; no power of ten is odd
    const int estimate = (std::bit_width(odd) * 1233) >> 12;
    return estimate + 1 - (odd < kPowersOfTen[static_cast<std::size_t>(estimate)] ? 1 : 0);
}

// Writes from the last digit back, straight where the number goes.
char* writeDigits(char* out, unsigned long long value) {
    char* const end = out + digitCount(value);
    char* p = end;
    while (value >= 100) {
        p -= 2;
        p[0] = kDigitPairs[2 * (value % 100)];
        p[1] = kDigitPairs[2 * (value % 100) + 1];
        value /= 100;
    }
    if (value >= 10) {
        out[0] = kDigitPairs[2 * value];
        out[1] = kDigitPairs[2 * value + 1];
    } else {
        out[0] = static_cast<char>('0' + value);
    }
    return end;
}

void appendFrequencyExactly(std::string& out, double mhz, std::string_view decimalSeparator) {
    std::array<char, 400> buf{};
    const auto end =
        std::to_chars(buf.data(), buf.data() + buf.size(), mhz, std::chars_format::fixed, 4).ptr;
    std::string_view text(buf.data(), static_cast<std::size_t>(end - buf.data()));
    if (text.starts_with('-')) {
        out += '-';
        text.remove_prefix(1);
    }
    if (text.starts_with("0.")) {
        text.remove_prefix(1);
    }
    const auto dot = text.find('.');
    out += text.substr(0, dot);
    out += decimalSeparator;
    out += text.substr(dot + 1);
}

struct Significand {
    std::array<char, 20> digits{};  // no trailing zeros
    std::size_t length = 0;
    int exponent = 0;  // of the first digit

    std::string_view view() const { return {digits.data(), length}; }
};

// Splits "d.ddde+XX" into its digits and exponent.
Significand splitScientific(const char* first, const char* last) {
    const std::string_view sci(first, static_cast<std::size_t>(last - first));
    const auto ePos = sci.find('e');
    Significand result;
    for (std::size_t i = 0; i < ePos; ++i) {
        if (sci[i] != '.') {
            result.digits[result.length++] = sci[i];
        }
    }
    const auto exponentStart = ePos + (sci[ePos + 1] == '+' ? 2 : 1);
    std::from_chars(sci.data() + exponentStart, last, result.exponent);
    while (result.length > 1 && result.digits[result.length - 1] == '0') {
        --result.length;
    }
    return result;
}

// The value rounded to 15 significant digits. The shortest round-trip form already is that
// rounding whenever it has 15 digits or fewer, and it is much cheaper to get.
Significand significantDigits(double positive) {
    std::array<char, 64> buf{};
    char* last = buf.data() + buf.size();
    auto end = std::to_chars(buf.data(), last, positive, std::chars_format::scientific).ptr;
    auto result = splitScientific(buf.data(), end);
    if (result.length <= kSignificantDigits) {
        return result;
    }
    end = std::to_chars(buf.data(), last, positive, std::chars_format::scientific,
                        kSignificantDigits - 1)
              .ptr;
    return splitScientific(buf.data(), end);
}

}  // namespace

char* writeFrequency(char* out, double mhz, std::string_view decimalSeparator) {
    // Fast path: a scaled value below 2^49 and this far from a rounding tie rounds as the exact
    // binary value does. Otherwise the exact conversion decides.
    const double scaled = std::fabs(mhz * 10000.0);
    const auto units = static_cast<std::uint64_t>(scaled < kExactScaledLimit ? scaled + 0.5 : 0);
    if (!(scaled < kExactScaledLimit) || decimalSeparator.size() > kMaxFastSeparator ||
        std::fabs(scaled - static_cast<double>(units)) > 0.45) {
        std::string exact;
        appendFrequencyExactly(exact, mhz, decimalSeparator);
        return std::copy(exact.begin(), exact.end(), out);
    }
    if (mhz < 0) {
        *out++ = '-';
    }
    const auto whole = units / 10000;
    if (whole != 0) {
        out = writeDigits(out, whole);
    }
    out = std::copy(decimalSeparator.begin(), decimalSeparator.end(), out);
    const auto fraction = units % 10000;
    out = std::copy_n(&kDigitPairs[2 * (fraction / 100)], 2, out);
    return std::copy_n(&kDigitPairs[2 * (fraction % 100)], 2, out);
}

char* writeKilohertzAsMegahertz(char* out, long long khz, std::string_view decimalSeparator) {
    if (khz < 0) {
        *out++ = '-';
    }
    const auto magnitude = khz < 0 ? 0ULL - static_cast<unsigned long long>(khz)
                                   : static_cast<unsigned long long>(khz);
    if (magnitude >= 1000) {
        out = writeDigits(out, magnitude / 1000);
    }
    out = std::copy(decimalSeparator.begin(), decimalSeparator.end(), out);
    const auto fraction = magnitude % 1000;
    *out++ = static_cast<char>('0' + fraction / 100);
    out = std::copy_n(&kDigitPairs[2 * (fraction % 100)], 2, out);
    *out++ = '0';
    return out;
}

void appendFrequency(std::string& out, double mhz, std::string_view decimalSeparator) {
    std::array<char, kMaxFrequencyChars> buf;
    out.append(buf.data(), writeFrequency(buf.data(), mhz, decimalSeparator));
}

void appendNumber(std::string& out, double value, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) {
        out += std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
        return;
    }
    if (value == 0) {
        out += '0';
        return;
    }
    const auto sig = significantDigits(std::fabs(value));
    const auto digits = sig.view();
    if (value < 0) {
        out += '-';
    }
    if (sig.exponent < 0) {
        out += '0';
        out += decimalSeparator;
        out.append(static_cast<std::size_t>(-sig.exponent - 1), '0');
        out += digits;
        return;
    }
    const auto intDigits = static_cast<std::size_t>(sig.exponent) + 1;
    if (digits.size() <= intDigits) {
        out += digits;
        out.append(intDigits - digits.size(), '0');
        return;
    }
    out += digits.substr(0, intDigits);
    out += decimalSeparator;
    out += digits.substr(intDigits);
}

std::string frequencyText(double mhz, std::string_view decimalSeparator) {
    std::string text;
    appendFrequency(text, mhz, decimalSeparator);
    return text;
}

std::string numberText(double value, std::string_view decimalSeparator) {
    std::string text;
    appendNumber(text, value, decimalSeparator);
    return text;
}

std::string megahertzText(std::int64_t khz) {
    return numberText(static_cast<double>(khz) / 1000.0, ".");
}

char* writeInteger(char* out, long long value) {
    if (value < 0) {
        *out++ = '-';
        return writeDigits(out, 0ULL - static_cast<unsigned long long>(value));
    }
    return writeDigits(out, static_cast<unsigned long long>(value));
}

void appendInteger(std::string& out, long long value) {
    std::array<char, kMaxIntegerChars> buf;
    out.append(buf.data(), writeInteger(buf.data(), value));
}

std::string channelText(int channel) {
    std::string text;
    appendInteger(text, channel);
    return text;
}

std::optional<Channel> parseChannel(std::string_view text) {
    Channel value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator) {
    if (decimalSeparator.empty()) {
        return std::nullopt;
    }
    // Only the given separator may stand for the decimal point.
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i).starts_with(decimalSeparator)) {
            plain += '.';
            i += decimalSeparator.size();
        } else if (text[i] == '.') {
            return std::nullopt;
        } else {
            plain += text[i++];
        }
    }
    double value = 0;
    const char* end = plain.data() + plain.size();
    const auto [ptr, ec] = std::from_chars(plain.data(), end, value, std::chars_format::fixed);
    if (plain.empty() || ec != std::errc{} || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace tarnvale

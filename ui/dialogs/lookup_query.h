#pragma once

#include <QString>

#include "engine/channel_number.h"

namespace tarnvale {

class LocaleNumbers;

// What the text of the lookup box asks for: a channel number (a whole number) or a frequency in
// MHz (a number with a decimal separator, or followed by "MHz").
struct LookupQuery {
    enum class Kind { Nothing, Channel, Frequency, Unreadable };
    Kind kind = Kind::Nothing;
    Channel channel = 0;
    double frequencyMhz = 0;
    QString typedFrequency;  // the number as typed, for a frequency too large to write out
    QString problem;         // for Unreadable: why the text is neither
};

LookupQuery readLookupQuery(const QString& text, const LocaleNumbers& numbers);

}  // namespace tarnvale

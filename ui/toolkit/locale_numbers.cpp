#include "ui/toolkit/locale_numbers.h"

#include "engine/number_text.h"

namespace tarnvale {

LocaleNumbers::LocaleNumbers(const QLocale& locale)
    : separator_(locale.decimalPoint().toStdString()) {}

QString LocaleNumbers::frequency(double mhz) const {
    return toQString(frequencyText(mhz, separator_));
}

QString LocaleNumbers::megahertz(double mhz) const {
    QString text = frequency(mhz);
    const qsizetype at = text.startsWith('-') ? 1 : 0;
    if (text.mid(at).startsWith(toQString(separator_))) {
        text.insert(at, '0');
    }
    return text;
}

QString LocaleNumbers::number(double value) const {
    return toQString(numberText(value, separator_));
}

QString LocaleNumbers::channelSpacing(double spacingKhz) const {
    std::string text = "Channel spacing: ";
    if (spacingKhz == 0) {
        text += "variable";
    } else if (spacingKhz >= 1000) {
        appendNumber(text, spacingKhz / 1000, separator_);
        text += " MHz";
    } else {
        appendNumber(text, spacingKhz, separator_);
        text += " KHz";
    }
    return toQString(text);
}

std::optional<double> LocaleNumbers::read(const QString& text) const {
    return parseNumber(text.toStdString(), separator_);
}

QString LocaleNumbers::decimalSeparator() const {
    return toQString(separator_);
}

QString LocaleNumbers::field(const report::Field& field) const {
    struct Text {
        const LocaleNumbers& numbers;
        QString operator()(std::monostate) const { return {}; }
        QString operator()(std::string_view text) const { return toQString(text); }
        QString operator()(long long value) const { return QString::number(value); }
        QString operator()(report::Kilohertz value) const {
            return numbers.megahertz(static_cast<double>(value.khz) / 1000.0);
        }
        QString operator()(report::Megahertz value) const { return numbers.megahertz(value.mhz); }
        QString operator()(report::General value) const { return numbers.number(value.value); }
    };
    return std::visit(Text{*this}, field);
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tarnvale

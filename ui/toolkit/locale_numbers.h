#pragma once

#include <QLocale>
#include <QString>
#include <optional>
#include <string>

#include "report/field.h"

namespace tarnvale {

// The engine's number texts with the decimal separator of one locale, for writing captions
// and reading them back alike.
class LocaleNumbers {
  public:
    explicit LocaleNumbers(const QLocale& locale);

    // The main window's frequency pattern, "####.0000": nothing before the separator below
    // 1 MHz (".5000").
    QString frequency(double mhz) const;
    // The same with a digit before the separator ("0.5000"), as the other windows write it.
    QString megahertz(double mhz) const;
    QString number(double value) const;
    // The caption of the spacing label, e.g. "Channel spacing: 12.5 KHz"; 0 is "variable".
    QString channelSpacing(double spacingKhz) const;
    std::optional<double> read(const QString& text) const;
    QString decimalSeparator() const;
    // A field of a report row, as the window shows it.
    QString field(const report::Field& field) const;

  private:
    std::string separator_;
};

QString toQString(std::string_view text);

}  // namespace tarnvale

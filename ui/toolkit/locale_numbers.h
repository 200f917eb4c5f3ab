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

    QString frequency(double mhz) const;
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

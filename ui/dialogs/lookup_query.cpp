#include "ui/dialogs/lookup_query.h"

#include <QRegularExpression>

#include "engine/input_text.h"
#include "engine/number_text.h"
#include "ui/toolkit/locale_numbers.h"

namespace tarnvale {
namespace {

LookupQuery unreadable(const QString& problem) {
    LookupQuery query;
    query.kind = LookupQuery::Kind::Unreadable;
    query.problem = problem;
    return query;
}

}  // namespace

LookupQuery readLookupQuery(const QString& text, const LocaleNumbers& numbers) {
    static const QRegularExpression megahertz(R"(\s*MHz$)",
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression wholeNumber(R"(^-?[0-9]+$)");
    QString number = text.trimmed();
    if (number.isEmpty()) {
        return {};
    }
    const bool saysMhz = number.contains(megahertz);
    number.remove(megahertz);
    const bool hasSeparator = number.contains('.') || number.contains(numbers.decimalSeparator());
    if (saysMhz || hasSeparator) {
        auto mhz = numbers.read(number);
        if (!mhz) {
            mhz = parseNumber(number.toStdString(), ".");
        }
        if (!mhz) {
            return unreadable(QString("“%1” is not a frequency in MHz").arg(text.trimmed()));
        }
        if (const auto refusal = frequencyRefusal(*mhz, number.toStdString())) {
            return unreadable(toQString(*refusal));
        }
        LookupQuery query;
        query.kind = LookupQuery::Kind::Frequency;
        query.frequencyMhz = *mhz;
        query.typedFrequency = number;
        return query;
    }
    if (wholeNumber.match(number).hasMatch()) {
        const auto channel = readChannelNumber(number.toStdString());
        if (!channel.value) {
            return unreadable(toQString(channel.problem));
        }
        LookupQuery query;
        query.kind = LookupQuery::Kind::Channel;
        query.channel = *channel.value;
        return query;
    }
    return unreadable(
        QString("“%1” is neither a channel number nor a frequency in MHz").arg(text.trimmed()));
}

}  // namespace tarnvale

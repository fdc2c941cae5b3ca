#include "reports/DisplayMask.h"

#include "platform/Locale.h"

namespace report {
namespace {

QString number(int value, bool twoDigits)
{
    return twoDigits ? QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')) : QString::number(value);
}

// How many times `letter` repeats at `i`, ignoring case.
qsizetype runLength(const QString& mask, qsizetype i, QChar letter)
{
    qsizetype n = 0;
    while (i + n < mask.size() && mask[i + n].toLower() == letter)
        ++n;
    return n;
}

} // namespace

QString formatDateTime(const QString& mask, const QDateTime& value)
{
    const auto& settings = platform::locale::formatSettings();
    const bool twelveHour = mask.contains(QLatin1String("am/pm"), Qt::CaseInsensitive);
    const QDate date = value.date();
    const QTime time = value.time();
    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < mask.size();) {
        const QChar c = mask[i];
        const QChar lower = c.toLower();
        if (c == '"' || c == '\'') {
            const qsizetype end = mask.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? mask.size() : end;
            out += mask.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (mask.mid(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0) {
            const QString word = time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
            out += c.isLower() ? word.toLower() : word;
            i += 5;
            continue;
        }
        const qsizetype run = runLength(mask, i, lower);
        const bool two = run >= 2;
        if (lower == 'h') {
            int hour = time.hour();
            if (twelveHour)
                hour = hour % 12 == 0 ? 12 : hour % 12;
            out += number(hour, two);
            afterHour = true;
        } else if (lower == 'n' || (lower == 'm' && afterHour)) {
            out += number(time.minute(), two);
            afterHour = false;
        } else if (lower == 'm') {
            out += number(date.month(), two);
        } else if (lower == 's') {
            out += number(time.second(), two);
        } else if (lower == 'd') {
            out += number(date.day(), two);
        } else if (lower == 'y') {
            out += run >= 4 ? QString::number(date.year()) : number(date.year() % 100, true);
        } else if (c == ':') {
            out += settings.TimeSeparator;
        } else if (c == '/') {
            out += settings.DateSeparator;
        } else {
            out += c;
        }
        i += (lower == 'h' || lower == 'n' || lower == 'm' || lower == 's' || lower == 'd' || lower == 'y')
                 ? (lower == 'y' ? run : std::min<qsizetype>(run, 2))
                 : 1;
    }
    return out;
}

} // namespace report

#include "platform/Locale.h"

#include <optional>

namespace platform::locale {

namespace {

struct State
{
    QLocale locale;
    FormatSettings settings;
};

std::optional<State>& state()
{
    static std::optional<State> current;
    return current;
}

// Calls fn(start, length) for each run of `letter` outside quoted literals of a Qt pattern.
template <typename Fn> void forEachRun(const QString& pattern, QChar letter, Fn fn)
{
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size();) {
        if (pattern[i] == '\'') {
            quoted = !quoted;
            ++i;
            continue;
        }
        if (quoted || pattern[i] != letter) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < pattern.size() && pattern[end] == letter)
            ++end;
        fn(i, end - i);
        i = end;
    }
}

// A two-digit year would make the day query's literal and the lists ambiguous across centuries.
QString withFourDigitYear(const QString& pattern)
{
    QString result = pattern;
    qsizetype shift = 0;
    forEachRun(pattern, 'y', [&](qsizetype start, qsizetype length) {
        if (length == 4)
            return;
        result.replace(start + shift, length, QStringLiteral("yyyy"));
        shift += 4 - length;
    });
    return result;
}

// The time zone would make event hints longer than their panels for no gain.
QString withoutTimeZone(const QString& pattern)
{
    QString result = pattern;
    qsizetype shift = 0;
    forEachRun(pattern, 't', [&](qsizetype start, qsizetype length) {
        qsizetype from = start + shift;
        qsizetype to = from + length;
        while (from > 0 && result[from - 1].isSpace())
            --from;
        if (from == 0)
            while (to < result.size() && result[to].isSpace())
                ++to;
        result.remove(from, to - from);
        shift -= to - from;
    });
    return result.trimmed();
}

// The first character between two fields of a pattern, outside quoted literals.
QChar firstSeparator(const QString& pattern, QChar fallback)
{
    bool quoted = false;
    bool seenField = false;
    for (QChar c : pattern) {
        if (c == '\'') {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        if (c.isLetter())
            seenField = true;
        else if (seenField && !c.isSpace())
            return c;
    }
    return fallback;
}

QChar firstChar(const QString& text, QChar fallback)
{
    return text.isEmpty() ? fallback : text.front();
}

State makeState(const QLocale& locale)
{
    State s{locale, {}};
    s.settings.ShortDateFormat = withFourDigitYear(locale.dateFormat(QLocale::ShortFormat));
    s.settings.LongTimeFormat = withoutTimeZone(locale.timeFormat(QLocale::LongFormat));
    s.settings.DateSeparator = firstSeparator(s.settings.ShortDateFormat, '/');
    s.settings.TimeSeparator = firstSeparator(s.settings.LongTimeFormat, ':');
    s.settings.DecimalSeparator = firstChar(locale.decimalPoint(), '.');
    s.settings.ThousandSeparator = firstChar(locale.groupSeparator(), ',');
    return s;
}

const State& current()
{
    auto& s = state();
    if (!s)
        s = makeState(QLocale::system());
    return *s;
}

QLocale ungrouped()
{
    QLocale locale = current().locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

const FormatSettings& formatSettings()
{
    return current().settings;
}

void pinLocale(const QLocale& locale)
{
    state() = makeState(locale);
}

QString dateToStr(const QDate& date)
{
    if (!date.isValid())
        return QString();
    return current().locale.toString(date, current().settings.ShortDateFormat);
}

QString timeToStr(const QTime& time)
{
    if (!time.isValid())
        return QString();
    return current().locale.toString(time, current().settings.LongTimeFormat);
}

QString dateTimeToStr(const QDateTime& value)
{
    if (!value.isValid())
        return QString();
    QString text = dateToStr(value.date());
    if (value.time() != QTime(0, 0))
        text += ' ' + timeToStr(value.time());
    return text;
}

QDate strToDate(const QString& text)
{
    return current().locale.toDate(text.trimmed(), current().settings.ShortDateFormat);
}

QString formatFixed(double value, int decimals)
{
    return ungrouped().toString(value, 'f', decimals);
}

QString formatThousands(double value)
{
    QLocale locale = current().locale;
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale.toString(value, 'f', 0);
}

QString floatToStr(double value)
{
    // Fifteen significant digits, so sums such as 0.1 + 0.2 show as "0.3".
    return ungrouped().toString(value, 'g', 15);
}

double strToFloat(const QString& text, bool* ok)
{
    bool parsed = false;
    const double value = ungrouped().toDouble(text.trimmed(), &parsed);
    if (ok)
        *ok = parsed;
    return parsed ? value : 0.0;
}

} // namespace platform::locale

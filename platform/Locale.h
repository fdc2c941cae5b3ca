#pragma once

// The user's date, time and number conventions, read once from the system locale.
// Every text that depends on the locale (the day query's date literal, list cells,
// sizes and amounts) is made here, so that one formatter serves writer and reader.

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

namespace platform::locale {

struct FormatSettings
{
    QString ShortDateFormat; // Qt pattern, always with a four-digit year ("dd/MM/yyyy")
    QString LongTimeFormat;  // Qt pattern without time zone ("HH:mm:ss")
    QChar DateSeparator;
    QChar TimeSeparator;
    QChar DecimalSeparator;
    QChar ThousandSeparator;
};

// The settings in force; read from the system locale on first use.
const FormatSettings& formatSettings();
// Tests pin a locale; a real run never calls this.
void pinLocale(const QLocale& locale);

QString dateToStr(const QDate& date);          // short date
QString timeToStr(const QTime& time);          // long time
QString dateTimeToStr(const QDateTime& value); // short date, then long time unless midnight
// Parses a short-date text; an invalid QDate when it is not one.
QDate strToDate(const QString& text);
// printf-style "%0.3f" with the locale's decimal separator.
QString formatFixed(double value, int decimals);
// Whole number with thousands separators, no decimals ("%.0n").
QString formatThousands(double value);
// Shortest text of a number with the locale's decimal separator (no thousands separators).
QString floatToStr(double value);
// Parses a number in the locale's form; ok is false when the text is not one.
double strToFloat(const QString& text, bool* ok);

} // namespace platform::locale

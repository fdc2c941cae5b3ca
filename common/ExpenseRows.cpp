#include "common/ExpenseRows.h"

#include "platform/Locale.h"
#include "platform/SqlFunctions.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace expenserow {

namespace {

constexpr double UnitsPerValue = 10000.0;
// The largest amount a currency value holds, in whole units.
constexpr double MaxValue = 922337203685477.0;
// Below this every digit of an amount fits in 15 significant digits.
constexpr Currency PlainLimit = 1'000'000'000'000'000;

QString withoutLeadingBlanks(const QString& text)
{
    qsizetype first = 0;
    while (first < text.size() && text.at(first).unicode() <= ' ')
        ++first;
    return text.mid(first);
}

} // namespace

Currency currencyOf(double value)
{
    if (std::isnan(value))
        return 0;
    return std::llround(std::clamp(value, -MaxValue, MaxValue) * UnitsPerValue);
}

double valueOf(Currency amount)
{
    return static_cast<double>(amount) / UnitsPerValue;
}

QString amountText(Currency amount)
{
    return platform::locale::floatToStr(valueOf(amount));
}

QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first).unicode() <= ' ')
        ++first;
    while (end > first && text.at(end - 1).unicode() <= ' ')
        --end;
    return text.mid(first, end - first);
}

std::optional<Currency> parseAmount(const QString& text)
{
    QString trimmed = trimBlanks(text);
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = platform::locale::strToFloat(trimmed, &ok);
    if (!ok) {
        // Some locales write a direction mark into the negative sign that they do not read back.
        trimmed.remove(QChar(0x061C)).remove(QChar(0x200E)).remove(QChar(0x200F));
        value = platform::locale::strToFloat(trimmed, &ok);
    }
    if (!ok) {
        QLocale points = QLocale::c();
        points.setNumberOptions(QLocale::RejectGroupSeparator);
        value = points.toDouble(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value) || std::fabs(value) > MaxValue)
        return std::nullopt;
    return currencyOf(value);
}

Currency addToTotal(Currency total, Currency amount)
{
    Currency sum = 0;
    if (!isShownTotal(total))
        return total;
    if (__builtin_add_overflow(total, amount, &sum) || !isShownTotal(sum))
        return UnshowableTotal;
    return sum;
}

QString totalText(Currency total)
{
    switch (total) {
    case UnshowableTotal:
        return QStringLiteral("too large to show");
    case UnreadTotal:
        return QStringLiteral("cannot be shown, as not every expense could be read");
    default:
        return amountText(total);
    }
}

bool totalStaysShowable(double storedTotal, Currency amount)
{
    return std::fabs(storedTotal + valueOf(amount)) <= MaxValue;
}

QString dateText(const QDateTime& paydate)
{
    return platform::locale::dateTimeToStr(paydate);
}

QDate dateOf(const QString& text)
{
    const QString date = withoutLeadingBlanks(text);
    QDate parsed = platform::locale::strToDate(date);
    // A time of day after the date: the date is what stands before one of the blanks, the
    // longest such part first, as a short date may hold blanks of its own.
    for (qsizetype blank = date.lastIndexOf(' '); !parsed.isValid() && blank > 0;
         blank = date.lastIndexOf(' ', blank - 1))
        parsed = platform::locale::strToDate(date.left(blank));
    if (!parsed.isValid())
        throw std::runtime_error(QStringLiteral("'%1' is not a valid date").arg(text).toStdString());
    return parsed;
}

// ---- rows ----

TRowWriter::TRowWriter() : m_decimal(platform::locale::formatSettings().DecimalSeparator)
{
    m_plainDigits = platform::locale::floatToStr(12.5) == QStringLiteral("12") + m_decimal + QChar('5');
}

QStringView TRowWriter::amountView(Currency amount)
{
    if (!m_plainDigits || amount < 0 || amount >= PlainLimit) {
        m_amount = amountText(amount);
        return m_amount;
    }
    // Written from the right: the fraction without its trailing zeros, then the whole units.
    char16_t* const end = m_digits.data() + m_digits.size();
    char16_t* out = end;
    Currency fraction = amount % 10000;
    Currency whole = amount / 10000;
    if (fraction != 0) {
        int places = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --places;
        }
        for (int i = 0; i < places; ++i, fraction /= 10)
            *--out = static_cast<char16_t>(u'0' + fraction % 10);
        *--out = m_decimal.unicode();
    }
    do {
        *--out = static_cast<char16_t>(u'0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    return QStringView(out, end - out);
}

Places TRowWriter::places(QUtf8StringView storedPaydate, QAnyStringView item, Currency amount,
                          QAnyStringView id)
{
    std::string key(storedPaydate.data(), static_cast<size_t>(storedPaydate.size()));
    auto found = m_dates.find(key);
    if (found == m_dates.end()) {
        const QDateTime stamp = platform::db::parseStoredDateTime(key);
        // A value that is no stored date-time shows as it stands.
        QString text = stamp.isValid() ? dateText(stamp) : storedPaydate.toString();
        found = m_dates.emplace(std::move(key), std::move(text)).first;
    }
    return {found->second, item, amountView(amount), id};
}

Places TRowWriter::places(const QDate& paydate, QAnyStringView item, Currency amount, QAnyStringView id)
{
    m_date = platform::locale::dateToStr(paydate);
    return {m_date, item, amountView(amount), id};
}

} // namespace expenserow

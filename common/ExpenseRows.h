#pragma once

// The row layout of the expense list, written by the list's loader and by the expense editor
// alike: the date paid as the caption, then the item, the amount and the expense's id, hidden.
//
// Amounts are currency values held as whole ten-thousandths, so that a total is exact and
// always equals the sum of the amounts it counts.

#include <QAnyStringView>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QUtf8StringView>
#include <array>
#include <limits>
#include <optional>
#include <string>
#include <unordered_map>

namespace expenserow {

// The places of a row; place k is also the column that shows it, the id has no column.
enum Place { Date, Item, Amount, Id, PlaceCount };

using Places = std::array<QAnyStringView, PlaceCount>;

// Ten-thousandths of the currency unit.
using Currency = qint64;

// A stored amount as a currency value, rounded to the nearest ten-thousandth.
Currency currencyOf(double value);
double valueOf(Currency amount);
// The amount in the general number format: up to 15 significant digits, no thousands
// separator, the locale's decimal separator (12.5, 100).
QString amountText(Currency amount);
// An amount as typed or as a row shows it: a number in the locale's form, or with a point as
// its decimal separator (the editor's key filter lets points through in any locale). Nothing
// when the text is not a number within the currency's range.
std::optional<Currency> parseAmount(const QString& text);
// A total beyond the currency's range, which the list cannot show.
constexpr Currency UnshowableTotal = std::numeric_limits<Currency>::min();
// The total of a list whose rows could not all be read, which is no sum of the stored amounts.
constexpr Currency UnreadTotal = UnshowableTotal + 1;
// Whether a total is a number the list shows, rather than one of the two above.
constexpr bool isShownTotal(Currency total)
{
    return total > UnreadTotal;
}
// Adds to a running total; a sum beyond the currency's range gives UnshowableTotal, and a
// total that is no number stays as it is.
Currency addToTotal(Currency total, Currency amount);
// The total as the total line writes it after "Total:", also one it cannot show.
QString totalText(Currency total);
// True when the stored amounts' total with `amount` added stays one the list can show.
bool totalStaysShowable(double storedTotal, Currency amount);

// The text without the blanks and control characters at its ends.
QString trimBlanks(const QString& text);

// The date paid as the list shows it: the short date, then the time unless it is midnight.
QString dateText(const QDateTime& paydate);
// The date of a row's date text (leading blanks and control characters ignored); a time after
// the date is ignored too, so every date text the list shows reads back as its date. Raises
// "'<text>' is not a valid date" for anything else.
QDate dateOf(const QString& text);

// Writes the texts of rows. The views it returns hold until its next call; the date texts it
// made are kept, since many expenses share a day.
class TRowWriter
{
public:
    TRowWriter();
    // `storedPaydate` as the database holds it ("yyyy-MM-dd[ HH:mm:ss]").
    Places places(QUtf8StringView storedPaydate, QAnyStringView item, Currency amount, QAnyStringView id);
    Places places(const QDate& paydate, QAnyStringView item, Currency amount, QAnyStringView id);

private:
    QStringView amountView(Currency amount);

    std::unordered_map<std::string, QString> m_dates;
    QString m_date;
    QString m_amount;
    // Amounts are written digit by digit when the locale writes numbers in ASCII digits.
    bool m_plainDigits;
    QChar m_decimal;
    std::array<char16_t, 32> m_digits{};
};

} // namespace expenserow

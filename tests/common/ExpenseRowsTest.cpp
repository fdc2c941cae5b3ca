#include "common/ExpenseRows.h"

#include "platform/Locale.h"
#include "support/TessaryTest.h"

using namespace expenserow;

namespace {

class ExpenseRowsTest : public TessaryTest
{
};

const QLocale Locales[] = {
    QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany),
    QLocale(QLocale::Slovak, QLocale::Slovakia),      QLocale(QLocale::Hungarian, QLocale::Hungary),
    QLocale(QLocale::Bulgarian, QLocale::Bulgaria),   QLocale(QLocale::Korean, QLocale::SouthKorea),
    QLocale(QLocale::Arabic, QLocale::Egypt),
};

TEST_F(ExpenseRowsTest, EveryDateTextOfARowReadsBackAsItsDate)
{
    const QDateTime paydates[] = {QDateTime(QDate(2024, 3, 9), QTime(0, 0)),
                                  QDateTime(QDate(2002, 8, 23), QTime(17, 1, 15, 971)),
                                  QDateTime(QDate(1999, 12, 31), QTime(9, 5))};
    for (const QLocale& locale : Locales) {
        SCOPED_TRACE(qPrintable(locale.name()));
        platform::locale::pinLocale(locale);
        TRowWriter writer;
        for (const QDateTime& paydate : paydates) {
            EXPECT_EQ(dateOf(dateText(paydate)), paydate.date());
            const QString stored = paydate.toString("yyyy-MM-dd HH:mm:ss");
            const QString shown =
                writer.places(QUtf8StringView(stored.toUtf8()), "x", 0, "1")[Date].toString();
            EXPECT_EQ(shown, dateText(QDateTime::fromString(stored, "yyyy-MM-dd HH:mm:ss")));
            EXPECT_EQ(dateOf(shown), paydate.date());
            EXPECT_EQ(dateOf(writer.places(paydate.date(), "x", 0, "1")[Date].toString()), paydate.date());
        }
    }
    platform::locale::pinLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(dateOf("  3/9/2024 5:01:15 PM"), QDate(2024, 3, 9));
    for (const char* text : {"", "2024-03-09", "2/30/2024", "Lunch"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(dateOf(text), std::runtime_error);
    }
}

TEST_F(ExpenseRowsTest, AmountsShowInTheGeneralFormatAndReadBack)
{
    const double amounts[] = {0,          0.0001,           0.25,           2.5,  10, 12.5,
                              1234567.25, 99999999999.9999, 123456789012.5, -3.75};
    for (const QLocale& locale : Locales) {
        SCOPED_TRACE(qPrintable(locale.name()));
        platform::locale::pinLocale(locale);
        TRowWriter writer;
        for (double amount : amounts) {
            const Currency value = currencyOf(amount);
            const QString shown = writer.places(QDate(2024, 3, 9), "x", value, "1")[Amount].toString();
            EXPECT_EQ(shown, platform::locale::floatToStr(amount)) << amount;
            EXPECT_EQ(parseAmount(shown), value) << amount;
        }
    }

    platform::locale::pinLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(parseAmount(" 12,5 "), currencyOf(12.5));
    EXPECT_EQ(parseAmount("12.5"), currencyOf(12.5)); // the point the key filter lets through
    for (const char* text : {"", "   ", "1.2.3", "1.234,5", "abc", "1e400", "inf", "1e16"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(parseAmount(text).has_value());
    }
    EXPECT_EQ(currencyOf(2.67506), 26751); // a currency value keeps four decimals
    EXPECT_EQ(amountText(addToTotal(currencyOf(0.1), currencyOf(0.2))), "0,3");
    EXPECT_EQ(totalText(addToTotal(currencyOf(9e14), currencyOf(9e14))), "too large to show");
    EXPECT_EQ(addToTotal(addToTotal(currencyOf(9e14), currencyOf(9e14)), -currencyOf(9e14)), UnshowableTotal);
}

} // namespace

#include "platform/Locale.h"

#include "support/TessaryTest.h"

namespace {

using namespace platform::locale;

class LocaleTest : public TessaryTest
{
};

TEST_F(LocaleTest, FormatsFollowThePinnedLocale)
{
    const struct
    {
        QLocale locale;
        const char* shortDate;
        const char* longTime;
        const char* date;
        const char* dateTime;
        const char* fixed;
        const char* thousands;
        const char* shortest;
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "M/d/yyyy", "h:mm:ss AP", "3/9/2024",
         "3/9/2024 2:05:00 PM", "3.142", "1,234,567", "1234567.25"},
        {QLocale(QLocale::German, QLocale::Germany), "dd.MM.yyyy", "HH:mm:ss", "09.03.2024",
         "09.03.2024 14:05:00", "3,142", "1.234.567", "1234567,25"},
        {QLocale(QLocale::Chinese, QLocale::China), "yyyy/M/d", "HH:mm:ss", "2024/3/9", "2024/3/9 14:05:00",
         "3.142", "1,234,567", "1234567.25"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.locale.name()));
        pinLocale(c.locale);
        EXPECT_EQ(formatSettings().ShortDateFormat, c.shortDate);
        EXPECT_EQ(formatSettings().LongTimeFormat, c.longTime);
        EXPECT_EQ(dateToStr(QDate(2024, 3, 9)), c.date);
        EXPECT_EQ(dateTimeToStr(QDateTime(QDate(2024, 3, 9), QTime(14, 5))), c.dateTime);
        EXPECT_EQ(dateTimeToStr(QDateTime(QDate(2024, 3, 9), QTime(0, 0))), c.date);
        EXPECT_EQ(strToDate(c.date), QDate(2024, 3, 9));
        EXPECT_EQ(formatFixed(3.14159, 3), c.fixed);
        EXPECT_EQ(formatThousands(1234567), c.thousands);
        EXPECT_EQ(floatToStr(1234567.25), c.shortest);
        bool ok = false;
        EXPECT_DOUBLE_EQ(strToFloat(c.shortest, &ok), 1234567.25);
        EXPECT_TRUE(ok);
    }
}

TEST_F(LocaleTest, RefusesTextsThatAreNoDateOrNumber)
{
    pinLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_FALSE(strToDate("2024-03-09").isValid());
    EXPECT_FALSE(strToDate("31.02.2024").isValid());
    bool ok = true;
    strToFloat("3.5", &ok);
    EXPECT_FALSE(ok);
    strToFloat("1.234,5", &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(floatToStr(0.1 + 0.2), "0,3");
}

} // namespace

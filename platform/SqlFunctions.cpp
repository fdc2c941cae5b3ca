#include "platform/SqlFunctions.h"

#include "platform/Clock.h"
#include "platform/Database.h"
#include "platform/Locale.h"

#include <QHash>
#include <optional>
#include <sqlite3.h>

namespace platform::db {

namespace {

// Reads `count` digits at pos; advances pos.
std::optional<int> digits(std::string_view text, size_t& pos, size_t count)
{
    if (pos + count > text.size())
        return std::nullopt;
    int value = 0;
    for (size_t i = 0; i < count; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    pos += count;
    return value;
}

bool expect(std::string_view text, size_t& pos, char c)
{
    if (pos >= text.size() || text[pos] != c)
        return false;
    ++pos;
    return true;
}

// "HH:mm[:ss[.zzz]]" from pos to the end of the text.
QTime parseTime(std::string_view text, size_t pos)
{
    const auto hour = digits(text, pos, 2);
    if (!hour || !expect(text, pos, ':'))
        return QTime();
    const auto minute = digits(text, pos, 2);
    if (!minute)
        return QTime();
    int second = 0;
    int msec = 0;
    if (expect(text, pos, ':')) {
        const auto s = digits(text, pos, 2);
        if (!s)
            return QTime();
        second = *s;
        if (expect(text, pos, '.')) {
            const size_t start = pos;
            while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
                ++pos;
            if (pos == start)
                return QTime();
            const std::string_view fraction = text.substr(start, std::min<size_t>(pos - start, 3));
            for (size_t i = 0; i < 3; ++i)
                msec = msec * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
        }
    }
    if (pos != text.size())
        return QTime();
    return QTime(*hour, *minute, second, msec);
}

// The date of "yyyy-MM-dd..." and the position after it; invalid when the text has no date.
QDate parseStoredDate(std::string_view text, size_t& pos)
{
    pos = 0;
    const auto year = digits(text, pos, 4);
    if (!year || !expect(text, pos, '-'))
        return QDate();
    const auto month = digits(text, pos, 2);
    if (!month || !expect(text, pos, '-'))
        return QDate();
    const auto day = digits(text, pos, 2);
    return day ? QDate(*year, *month, *day) : QDate();
}

// The time after a stored date ("", " HH:mm..." or "T HH:mm..."); midnight for a bare date.
QTime parseStoredTime(std::string_view text, size_t pos)
{
    if (pos == text.size())
        return QTime(0, 0);
    if (text[pos] != ' ' && text[pos] != 'T')
        return QTime();
    return parseTime(text, pos + 1);
}

std::string_view argText(sqlite3_value* value)
{
    if (sqlite3_value_type(value) != SQLITE_TEXT)
        return {};
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text ? std::string_view(text, static_cast<size_t>(sqlite3_value_bytes(value)))
                : std::string_view();
}

// The time of day of a stored date-time, or of a bare time text.
QTime timeOf(sqlite3_value* value)
{
    const std::string_view text = argText(value);
    size_t pos = 0;
    if (parseStoredDate(text, pos).isValid())
        return parseStoredTime(text, pos);
    return parseTime(text, 0);
}

// The short-date text of a day. The day query calls DateValue on every stored event, and
// formatting a date through the locale costs far more than the lookup, so texts are kept
// per day for as long as the short date format stays the same.
const QByteArray& shortDateText(const QDate& date)
{
    static QString pattern;
    static QHash<qint64, QByteArray> texts;
    const QString& current = locale::formatSettings().ShortDateFormat;
    if (current != pattern || texts.size() > 20000) {
        texts.clear();
        pattern = current;
    }
    auto found = texts.find(date.toJulianDay());
    if (found == texts.end())
        found = texts.insert(date.toJulianDay(), locale::dateToStr(date).toUtf8());
    return *found;
}

void hourFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    const QTime time = timeOf(argv[0]);
    if (time.isValid())
        sqlite3_result_int(context, time.hour());
    else
        sqlite3_result_null(context);
}

void minuteFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    const QTime time = timeOf(argv[0]);
    if (time.isValid())
        sqlite3_result_int(context, time.minute());
    else
        sqlite3_result_null(context);
}

// The same formatter writes the day queries' literal, so equality holds in every locale.
void dateValueFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    const std::string_view text = argText(argv[0]);
    size_t pos = 0;
    QDate date = parseStoredDate(text, pos);
    if (!date.isValid() || !parseStoredTime(text, pos).isValid())
        date = locale::strToDate(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (!date.isValid()) {
        sqlite3_result_null(context);
        return;
    }
    const QByteArray& result = shortDateText(date);
    sqlite3_result_text(context, result.constData(), static_cast<int>(result.size()), SQLITE_TRANSIENT);
}

void registerFunction(sqlite3* db, const char* name, void (*fn)(sqlite3_context*, int, sqlite3_value**))
{
    const int rc = sqlite3_create_function_v2(db, name, 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, fn,
                                              nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw DatabaseError(sqlite3_errmsg(db));
}

} // namespace

QString storedDateTime(const QDateTime& value)
{
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString storedDate(const QDate& value)
{
    return value.toString(QStringLiteral("yyyy-MM-dd"));
}

QDateTime parseStoredDateTime(std::string_view text)
{
    size_t pos = 0;
    const QDate date = parseStoredDate(text, pos);
    if (!date.isValid())
        return QDateTime();
    const QTime time = parseStoredTime(text, pos);
    return time.isValid() ? clock::wallClock(date, time) : QDateTime();
}

void registerFunctions(sqlite3* db)
{
    registerFunction(db, "DateValue", dateValueFunction);
    registerFunction(db, "Hour", hourFunction);
    registerFunction(db, "Minute", minuteFunction);
}

} // namespace platform::db

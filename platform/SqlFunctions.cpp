#include "platform/SqlFunctions.h"

#include "platform/Database.h"
#include "platform/Locale.h"

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
    const QDateTime stamp = parseStoredDateTime(text);
    return stamp.isValid() ? stamp.time() : parseTime(text, 0);
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
    QDate date = parseStoredDateTime(text).date();
    if (!date.isValid())
        date = locale::strToDate(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (!date.isValid()) {
        sqlite3_result_null(context);
        return;
    }
    const QByteArray result = locale::dateToStr(date).toUtf8();
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
    const auto year = digits(text, pos, 4);
    if (!year || !expect(text, pos, '-'))
        return QDateTime();
    const auto month = digits(text, pos, 2);
    if (!month || !expect(text, pos, '-'))
        return QDateTime();
    const auto day = digits(text, pos, 2);
    if (!day)
        return QDateTime();
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        return QDateTime();
    if (pos == text.size())
        return QDateTime(date, QTime(0, 0));
    if (text[pos] != ' ' && text[pos] != 'T')
        return QDateTime();
    const QTime time = parseTime(text, pos + 1);
    return time.isValid() ? QDateTime(date, time) : QDateTime();
}

void registerFunctions(sqlite3* db)
{
    registerFunction(db, "DateValue", dateValueFunction);
    registerFunction(db, "Hour", hourFunction);
    registerFunction(db, "Minute", minuteFunction);
}

} // namespace platform::db

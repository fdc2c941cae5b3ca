#include "platform/DatabaseCheck.h"

#include <QFileInfo>
#include <sqlite3.h>
#include <sys/statvfs.h>

namespace platform::db {

namespace {

// Every column some statement of the organiser reads or writes, table by table.
const char* const OrganiserTables[][2] = {
    {"journal", "id, jstarttime, jendtime, memo"},
    {"category", "id, category"},
    {"address", "id, FirstName, LastName, Title, CompanyName, Address, City, Zip, Nation, OfficePhone, "
                "HomePhone, Fax, Mobile, Email, Categoryid"},
    {"mcategory", "id, category"},
    {"mmemo", "id, MMemo, Categoryid"},
    {"expense", "id, item, amount, paydate"},
};

// Less room than this and the engine cannot finish a change: a journal and a few pages.
constexpr qint64 FullBelowBytes = 1 << 20;

QString withRepairAdvice(const QString& what)
{
    return what + QStringLiteral(" Restore a backup or repair the file.");
}

// Runs a statement to its end; the engine's message on failure, else empty. The first row's
// first column, as text, goes to `first` when asked for.
QString run(sqlite3* db, const QByteArray& sql, QString* first = nullptr)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(db));
    int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW && first)
        *first = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    while (rc == SQLITE_ROW)
        rc = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    return rc == SQLITE_DONE ? QString() : QString::fromUtf8(sqlite3_errmsg(db));
}

} // namespace

QString missingOrganiserTables(sqlite3* db)
{
    // Preparing reads only the schema, so this costs nothing however many rows there are.
    for (const auto& [table, columns] : OrganiserTables) {
        sqlite3_stmt* stmt = nullptr;
        const QByteArray sql = QByteArray("select ") + columns + " from " + table;
        const int rc = sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
        sqlite3_finalize(stmt);
        if (rc != SQLITE_OK)
            return QString::fromUtf8(sqlite3_errmsg(db));
    }
    return QString();
}

QString unreadableOrganiserData(sqlite3* db)
{
    QString verdict;
    if (const QString error = run(db, "pragma quick_check", &verdict); !error.isEmpty())
        return error;
    if (verdict != QLatin1String("ok"))
        return verdict;
    if (const QString missing = missingOrganiserTables(db); !missing.isEmpty())
        return missing;
    for (const auto& table : OrganiserTables)
        if (const QString error = run(db, QByteArray("select count(*) from ") + table[0]); !error.isEmpty())
            return error;
    return QString();
}

bool diskIsFull(const QString& path)
{
    struct statvfs disk
    {
    };
    if (::statvfs(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &disk) != 0)
        return false;
    return static_cast<qint64>(disk.f_bavail) * static_cast<qint64>(disk.f_frsize) < FullBelowBytes;
}

QString openFailureText(const QString& path, int code, const QString& engineMessage)
{
    switch (code & 0xff) {
    case SQLITE_NOTADB:
        return QStringLiteral("\"%1\" is not a database.").arg(path);
    case SQLITE_CORRUPT:
        return QStringLiteral("\"%1\" is damaged: %2.").arg(path, engineMessage);
    case SQLITE_FULL:
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
        if (code == SQLITE_FULL || diskIsFull(path))
            return QStringLiteral("The disk holding \"%1\" is full.").arg(path);
        return QStringLiteral("\"%1\" cannot be read: %2.").arg(path, engineMessage);
    default:
        return QStringLiteral("Cannot open \"%1\": %2").arg(path, engineMessage);
    }
}

bool holdsNothing(sqlite3* db)
{
    QString pages;
    return run(db, "pragma page_count", &pages).isEmpty() && pages == QLatin1String("0");
}

QString statementFailureText(sqlite3* db)
{
    const QString message = QString::fromUtf8(sqlite3_errmsg(db));
    const int code = sqlite3_extended_errcode(db) & 0xff;
    const QString path = QString::fromUtf8(sqlite3_db_filename(db, "main"));
    switch (code) {
    case SQLITE_CORRUPT:
        return withRepairAdvice(QStringLiteral("\"%1\" is damaged (%2).").arg(path, message));
    case SQLITE_NOTADB:
        return withRepairAdvice(QStringLiteral("\"%1\" is no longer a database (%2).").arg(path, message));
    case SQLITE_FULL:
    case SQLITE_IOERR:
        if (code == SQLITE_FULL || diskIsFull(path))
            return QStringLiteral("The disk holding \"%1\" is full, so the change was not stored.").arg(path);
        return message;
    default:
        return message;
    }
}

bool reportsDamage(int code)
{
    return (code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB;
}

QString damagedFileRefusal(const QString& path)
{
    return withRepairAdvice(QStringLiteral("\"%1\" is damaged; changes are not stored.").arg(path));
}

} // namespace platform::db

#include "platform/Database.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <sqlite3.h>

namespace platform::db {

namespace {

[[noreturn]] void fail(const QString& message)
{
    throw DatabaseError(message.toStdString());
}

// A file beside the target under a name nobody else uses; removed again unless kept.
class PartialFile
{
public:
    explicit PartialFile(const QString& target)
    {
        for (int attempt = 0; attempt < 16 && m_path.isEmpty(); ++attempt) {
            const QString candidate =
                target +
                QStringLiteral(".%1.part").arg(QRandomGenerator::global()->generate(), 8, 16, QChar('0'));
            QFile file(candidate);
            if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
                m_path = candidate;
        }
        if (m_path.isEmpty())
            fail(QStringLiteral("Cannot create a file beside \"%1\"").arg(target));
    }
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;
    ~PartialFile()
    {
        if (m_kept)
            return;
        QFile::remove(m_path);
        QFile::remove(m_path + QStringLiteral("-journal"));
    }

    QString path() const { return m_path; }
    void keep() { m_kept = true; }

private:
    QString m_path;
    bool m_kept = false;
};

void execute(sqlite3* db, const QByteArray& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message) == SQLITE_OK)
        return;
    const QString text = QString::fromUtf8(message ? message : sqlite3_errmsg(db));
    sqlite3_free(message);
    fail(text);
}

int tableCount(sqlite3* db)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "select count(*) from sqlite_schema where type='table'", -1, &stmt, nullptr) !=
        SQLITE_OK)
        fail(QString::fromUtf8(sqlite3_errmsg(db)));
    const int count = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    return count;
}

void writeSchema(const QString& path, const QString& schemaSql)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> guard(db, sqlite3_close_v2);
    if (rc != SQLITE_OK)
        fail(QString::fromUtf8(sqlite3_errmsg(db)));
    execute(db, "begin");
    execute(db, schemaSql.toUtf8());
    if (tableCount(db) == 0)
        fail(QStringLiteral("The schema creates no tables"));
    execute(db, "commit");
    if (sqlite3_close(guard.release()) != SQLITE_OK)
        fail(QStringLiteral("Cannot finish \"%1\"").arg(path));
}

} // namespace

void createDatabase(const QString& path, const QString& schemaSql)
{
    const QFileInfo target(path);
    if (target.exists() || target.isSymLink())
        fail(QStringLiteral("\"%1\" already exists").arg(path));
    PartialFile partial(path);
    writeSchema(partial.path(), schemaSql);
    // QFile::rename never replaces an existing file, so a file made meanwhile survives.
    if (!QFile::rename(partial.path(), path))
        fail(QStringLiteral("Cannot create \"%1\"").arg(path));
    partial.keep();
}

} // namespace platform::db

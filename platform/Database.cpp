#include "platform/Database.h"

#include "platform/DatabaseCheck.h"
#include "platform/DatabaseLeftovers.h"
#include "platform/SqlFunctions.h"
#include "platform/SqlText.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <sys/stat.h>

using platform::db::DatabaseError;

namespace {

[[noreturn]] void fail(const QString& message)
{
    throw DatabaseError(message.toStdString());
}

[[noreturn]] void failClosed()
{
    fail(QStringLiteral("The database connection is closed"));
}

[[noreturn]] void failEngine(sqlite3* db)
{
    fail(platform::db::statementFailureText(db));
}

// The dbq value of an ODBC connection string. The organiser puts dbq last, and a folder name
// may hold anything (";", "=", braces, quotes, blanks), so its value runs to the end of the
// string rather than to the next ";": the path is never parsed back into another file. Values
// of the pairs before it may be braced ("{...}") and so hold ";" themselves.
QString databaseFileOf(const QString& connectionString)
{
    qsizetype at = 0;
    while (at < connectionString.size()) {
        const qsizetype equals = connectionString.indexOf('=', at);
        if (equals < 0)
            return QString();
        const QString key = connectionString.mid(at, equals - at).trimmed();
        qsizetype value = equals + 1;
        while (value < connectionString.size() && connectionString.at(value) == ' ')
            ++value;
        if (key.compare(QLatin1String("dbq"), Qt::CaseInsensitive) == 0) {
            const QString path = connectionString.mid(value);
            return path.startsWith('{') && path.endsWith('}') ? path.mid(1, path.size() - 2) : path;
        }
        const qsizetype close =
            connectionString.mid(value).startsWith('{') ? connectionString.indexOf('}', value) : value;
        const qsizetype next = close < 0 ? -1 : connectionString.indexOf(';', close);
        if (next < 0)
            return QString();
        at = next + 1;
    }
    return QString();
}

void bindValue(sqlite3* db, sqlite3_stmt* stmt, int index, const QVariant& value)
{
    auto bindText = [&](const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        return sqlite3_bind_text64(stmt, index, utf8.constData(), static_cast<sqlite3_uint64>(utf8.size()),
                                   SQLITE_TRANSIENT, SQLITE_UTF8);
    };
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(stmt, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::ULong:
            rc = sqlite3_bind_int64(stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(stmt, index, value.toDouble());
            break;
        case QMetaType::QDateTime: {
            const QDateTime stamp = value.toDateTime();
            rc = stamp.isValid() ? bindText(platform::db::storedDateTime(stamp))
                                 : sqlite3_bind_null(stmt, index);
            break;
        }
        case QMetaType::QDate: {
            const QDate date = value.toDate();
            rc = date.isValid() ? bindText(platform::db::storedDate(date)) : sqlite3_bind_null(stmt, index);
            break;
        }
        case QMetaType::QTime: {
            const QTime time = value.toTime();
            rc = time.isValid() ? bindText(time.toString(QStringLiteral("HH:mm:ss")))
                                : sqlite3_bind_null(stmt, index);
            break;
        }
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(stmt, index, bytes.constData(),
                                     static_cast<sqlite3_uint64>(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        default:
            rc = bindText(value.toString());
            break;
        }
    }
    if (rc != SQLITE_OK)
        failEngine(db);
}

} // namespace

// ---- connection ----

TADOConnection::TADOConnection() = default;

std::pair<qint64, qint64> TADOConnection::changeStamp() const
{
    if (!m_db)
        failClosed();
    // Matches no stamp of an open file, so the reader reads again, and its statement opens
    // the new file.
    if (fileReplaced())
        return {-1, -1};
    sqlite3* db = m_db;
    sqlite3_stmt* stmt = nullptr;
    qint64 version = 0;
    if (sqlite3_prepare_v2(db, "PRAGMA data_version", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        version = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    // The engine's counters start afresh with each open; the open's number in the high bits
    // keeps a stamp taken before a reopen from matching one taken after it.
    return {(m_opening << 40) + sqlite3_total_changes64(db), version};
}

TADOConnection::~TADOConnection()
{
    setConnected(false);
}

void TADOConnection::setConnected(bool connected)
{
    if (connected == Connected())
        return;
    if (!connected) {
        dropKeptStatements();
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        return;
    }
    const QString named = databaseFileOf(ConnectionString);
    if (named.isEmpty())
        fail(QStringLiteral("The connection string names no database file"));
    // Absolute, so the engine never reads the name as a "file:" address.
    const QString path = QFileInfo(named).absoluteFilePath();
    // sqlite3_open_v2 would make a missing file only with SQLITE_OPEN_CREATE; checking first
    // gives a readable message instead of the engine's "unable to open database file".
    if (!QFileInfo(path).isFile())
        fail(QStringLiteral("Database file \"%1\" not found").arg(path));

    m_notices.clear();
    m_notices = platform::db::settleLeftoverFiles(path);

    sqlite3* db = nullptr;
    // One connection for the whole run, used only by the main thread: no engine mutex needed.
    const int rc =
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> guard(db, sqlite3_close_v2);
    auto refuse = [&path, db] {
        fail(platform::db::openFailureText(path, sqlite3_extended_errcode(db),
                                           QString::fromUtf8(sqlite3_errmsg(db))));
    };
    if (rc != SQLITE_OK)
        refuse();
    sqlite3_busy_timeout(db, 2000);
    // Opening is lazy: the header is read only by the first statement, which also tells a
    // foreign file ("file is not a database") from ours.
    sqlite3_stmt* probe = nullptr;
    if (sqlite3_prepare_v2(db, "select count(*) from sqlite_schema", -1, &probe, nullptr) != SQLITE_OK)
        refuse();
    const int step = sqlite3_step(probe);
    sqlite3_finalize(probe);
    if (step != SQLITE_ROW)
        refuse();
    // Judged once the engine has read the file, after any journal beside it was dealt with.
    if (platform::db::holdsNothing(db))
        fail(QStringLiteral("\"%1\" is empty: it holds no database.").arg(path));
    // Another program's database would fail at the first statement that needs our tables.
    if (const QString missing = platform::db::missingOrganiserTables(db); !missing.isEmpty())
        fail(QStringLiteral("\"%1\" is not a database of this organiser: %2.").arg(path, missing));
    platform::db::registerFunctions(db);
    struct stat file
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &file) != 0)
        fail(QStringLiteral("Database file \"%1\" not found").arg(path));
    m_device = file.st_dev;
    m_inode = file.st_ino;
    static qint64 openings = 0;
    m_opening = ++openings;
    m_db = guard.release();
    m_path = path;
    m_damaged = false;
}

sqlite3* TADOConnection::handle()
{
    if (!m_db)
        failClosed();
    // Never in the middle of a transaction: its statements stand or fall on one file.
    if (sqlite3_get_autocommit(m_db) && fileReplaced())
        reopenReplaced();
    return m_db;
}

bool TADOConnection::fileReplaced() const
{
    struct stat file
    {
    };
    return ::stat(QFile::encodeName(m_path).constData(), &file) != 0 || file.st_dev != m_device ||
           file.st_ino != m_inode;
}

void TADOConnection::reopenReplaced()
{
    // Writing on to the old file would lose every change when the program ends, as nothing
    // but this connection still reaches it.
    const QString path = m_path;
    setConnected(false);
    try {
        setConnected(true);
    } catch (const DatabaseError& error) {
        fail(QStringLiteral("\"%1\" was replaced or removed while the program ran, and the file now under "
                            "its name cannot be opened: %2")
                 .arg(path, QString::fromUtf8(error.what())));
    }
    if (OnFileReplaced)
        OnFileReplaced((QStringList(QStringLiteral("\"%1\" was replaced on disk while the program ran, so "
                                                   "the new file was opened: what is shown and saved from "
                                                   "now on is in it.")
                                        .arg(path))
                        << m_notices)
                           .join("\n\n"));
}

// ---- parameters ----

TParameter* TParameters::find(const QString& name) const
{
    for (const auto& param : m_params)
        if (param->Name.compare(name, Qt::CaseInsensitive) == 0)
            return param.get();
    return nullptr;
}

TParameter& TParameters::ParamByName(const QString& name)
{
    m_owner->syncParameters();
    if (TParameter* param = find(name))
        return *param;
    fail(QStringLiteral("Parameter '%1' not found").arg(name));
}

int TParameters::Count() const
{
    m_owner->syncParameters();
    return static_cast<int>(m_params.size());
}

TParameter& TParameters::operator[](int i)
{
    m_owner->syncParameters();
    return *m_params.at(static_cast<size_t>(i));
}

void TParameters::rebuild(const QStringList& names)
{
    m_params.clear();
    for (const QString& name : names)
        m_params.push_back(std::make_unique<TParameter>(name));
}

// ---- query ----

struct TADOQuery::Statement
{
    Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement(Statement&& other) noexcept
        : db(other.db), stmt(std::exchange(other.stmt, nullptr)), kept(other.kept)
    {
    }
    ~Statement()
    {
        if (!kept) {
            sqlite3_finalize(stmt);
            return;
        }
        // Ready for its next run, holding no lock and no value meanwhile.
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
    }

    sqlite3* db = nullptr;
    sqlite3_stmt* stmt = nullptr;
    bool kept = false; // the connection's, which keeps it compiled
};

TADOQuery::TADOQuery() : Parameters(this) {}

TADOQuery::~TADOQuery() = default;

void TADOQuery::syncParameters()
{
    const QString text = SQL.Text();
    if (m_paramsKnown && text == m_paramsForText)
        return;
    Parameters.rebuild(platform::db::sql::parse(text).names);
    m_paramsForText = text;
    m_paramsKnown = true;
}

TParameter& TADOQuery::ParamByName(const QString& name)
{
    return Parameters.ParamByName(name);
}

TADOQuery::Statement TADOQuery::prepare()
{
    if (!Connection)
        fail(QStringLiteral("The query has no connection"));
    Statement statement;
    statement.db = Connection->handle();
    syncParameters();
    const auto engine =
        platform::db::sql::expand(platform::db::sql::parse(m_paramsForText),
                                  [this](const QString& name) { return Parameters.find(name)->Value; });
    if (Prepared)
        statement.stmt = Connection->keptStatement(engine.sql);
    statement.kept = statement.stmt != nullptr;
    if (!statement.kept) {
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(statement.db, engine.sql.constData(), static_cast<int>(engine.sql.size()),
                               &statement.stmt, &tail) != SQLITE_OK)
            Connection->failStatement(statement.db);
        if (!statement.stmt)
            fail(QStringLiteral("The query has no statement"));
        // One statement per query, so nothing rides along after a ";".
        if (!QByteArray(tail).trimmed().isEmpty())
            fail(QStringLiteral("The query holds more than one statement"));
        if (Prepared) {
            Connection->keepStatement(engine.sql, statement.stmt);
            statement.kept = true;
        }
    }
    for (size_t i = 0; i < engine.values.size(); ++i)
        bindValue(statement.db, statement.stmt, static_cast<int>(i + 1), engine.values[i]);
    return statement;
}

void TADOQuery::Open()
{
    Close();
    Statement statement = prepare();
    const int columns = sqlite3_column_count(statement.stmt);
    QStringList names;
    std::vector<TField::Kind> kinds;
    kinds.reserve(static_cast<size_t>(columns));
    for (int c = 0; c < columns; ++c) {
        names.append(QString::fromUtf8(sqlite3_column_name(statement.stmt, c)));
        kinds.push_back(TField::kindOf(QString::fromUtf8(sqlite3_column_decltype(statement.stmt, c))));
    }
    std::vector<TField::Stored> values;
    values.reserve(static_cast<size_t>(columns) * 64);
    std::string bytes;
    size_t rows = 0;
    for (;;) {
        const int rc = sqlite3_step(statement.stmt);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            Connection->failStatement(statement.db);
        for (int c = 0; c < columns; ++c) {
            TField::Stored& value = values.emplace_back();
            value.type = sqlite3_column_type(statement.stmt, c);
            switch (value.type) {
            case SQLITE_INTEGER:
                value.integer = sqlite3_column_int64(statement.stmt, c);
                break;
            case SQLITE_FLOAT:
                value.real = sqlite3_column_double(statement.stmt, c);
                break;
            case SQLITE_TEXT:
            case SQLITE_BLOB: {
                // The text itself, as UTF-8: it is decoded only when a field is read as text.
                const auto* data = value.type == SQLITE_TEXT
                                       ? reinterpret_cast<const char*>(sqlite3_column_text(statement.stmt, c))
                                       : static_cast<const char*>(sqlite3_column_blob(statement.stmt, c));
                value.offset = static_cast<qsizetype>(bytes.size());
                value.length = sqlite3_column_bytes(statement.stmt, c);
                bytes.append(data, static_cast<size_t>(value.length));
                break;
            }
            default:
                break;
            }
        }
        ++rows;
    }
    m_columns = std::move(names);
    m_columnKinds = std::move(kinds);
    m_values = std::move(values);
    m_bytes = std::move(bytes);
    m_rowCount = rows;
    m_row = 0;
    m_active = true;
}

int TADOQuery::ExecSQL()
{
    Statement statement = prepare();
    // Only now: preparing opens a file that has taken the damaged one's place.
    Connection->refuseChangeIfDamaged();
    for (;;) {
        const int rc = sqlite3_step(statement.stmt);
        if (rc == SQLITE_DONE)
            return sqlite3_changes(statement.db);
        if (rc != SQLITE_ROW)
            Connection->failStatement(statement.db);
    }
}

void TADOQuery::Close()
{
    m_active = false;
    m_columns.clear();
    m_columnKinds.clear();
    m_columnLookup.clear();
    m_lastLookup = 0;
    m_values.clear();
    m_bytes.clear();
    m_rowCount = 0;
    m_row = 0;
}

int TADOQuery::columnIndex(const QString& name) const
{
    const size_t known = m_columnLookup.size();
    for (size_t i = 0, at = m_lastLookup; i < known; ++i, ++at) {
        if (at == known)
            at = 0;
        if (m_columnLookup[at].first == name) {
            m_lastLookup = at + 1;
            return m_columnLookup[at].second;
        }
    }
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].compare(name, Qt::CaseInsensitive) == 0) {
            m_columnLookup.emplace_back(name, c);
            m_lastLookup = m_columnLookup.size();
            return c;
        }
    return -1;
}

TField TADOQuery::FieldByName(const QString& name) const
{
    static const TField::Stored null;
    const int column = columnIndex(name);
    if (column < 0)
        fail(QStringLiteral("Field '%1' not found").arg(name));
    if (m_rowCount == 0)
        return TField(&null, nullptr, m_columnKinds[column]);
    // Past the end the cursor stays on the last row, as a dataset's does.
    const size_t row = std::min(m_row, m_rowCount - 1);
    return TField(&m_values[row * static_cast<size_t>(m_columns.size()) + static_cast<size_t>(column)],
                  m_bytes.data(), m_columnKinds[column]);
}

#pragma once

// The organiser's database access: one connection and query components with the
// shape the forms use (SQL lines, named parameters, Open/ExecSQL, RecordCount,
// First/Next/Eof, FieldByName). The engine is SQLite; the file keeps the name
// "desktop.mdb" so that a disk from an older installation is recognised.

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace platform::db {

// Raised for every engine error, with the engine's own message.
class DatabaseError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Creates a new database file from schema text; refuses to replace an existing file.
void createDatabase(const QString& path, const QString& schemaSql);

} // namespace platform::db

class TADOConnection
{
public:
    TADOConnection();
    ~TADOConnection();
    TADOConnection(const TADOConnection&) = delete;
    TADOConnection& operator=(const TADOConnection&) = delete;

    // "DRIVER={...};dbq=<path>"; only dbq is read.
    QString ConnectionString;

    // Connected := True opens the file named by dbq. A missing file, one that is not a
    // database, a damaged one or one without the organiser's tables raises DatabaseError
    // saying which; nothing is ever created here.
    void setConnected(bool connected);
    bool Connected() const { return m_db != nullptr; }
    // Grows with every change to the database, by this connection or another, and with every
    // open, so a reader can tell that what it loaded before is still what the database holds,
    // also after the file was closed and opened again.
    std::pair<qint64, qint64> changeStamp() const;
    void Open() { setConnected(true); }
    void Close() { setConnected(false); }

    // What opening did with files the engine would have applied unasked (a journal or log
    // beside the database), for the user; kept when the open then failed.
    QStringList notices() const { return m_notices; }

    // The open engine handle; raises DatabaseError when the connection is closed. Every
    // statement asks for it, so this is where a file replaced on disk (another one renamed or
    // moved over it) is noticed: the new file is opened in its place, and OnFileReplaced told.
    // A file that is gone, or cannot be opened, raises and leaves the connection closed.
    sqlite3* handle();
    std::function<void(const QString& notice)> OnFileReplaced;
    // Which open of the file this is; it changes whenever the file is opened anew, so a
    // holder of rows read before can tell that they came from another file.
    qint64 opening() const { return m_opening; }
    // The same, after opening the file anew if another one has taken its name, as every
    // statement does first.
    qint64 currentOpening()
    {
        handle();
        return m_opening;
    }
    QString databasePath() const { return m_path; }

    // Set when the engine found the open file damaged, or no longer a database: from then on
    // nothing more is written to it, and each change is refused saying so, while reading goes
    // on. Opening a file, such as another one under its name, clears it.
    bool damaged() const { return m_damaged; }
    // Raises that refusal while damaged(); asked before every change.
    void refuseChangeIfDamaged() const;
    // Raises DatabaseError, in words for the user, for the statement that just failed on `db`
    // (this connection's handle); one that reports damage marks the connection damaged().
    [[noreturn]] void failStatement(sqlite3* db);

    // The compiled statements of queries marked Prepared, by their engine text, kept while
    // this open of the file lasts: such a query runs the same statement again and again (a
    // delete per selected row), and compiling it costs more than running it. A few at most are
    // kept, the oldest making way; the connection finalizes them before it closes.
    sqlite3_stmt* keptStatement(const QByteArray& sql) const;
    void keepStatement(const QByteArray& sql, sqlite3_stmt* statement);

private:
    bool fileReplaced() const;
    void reopenReplaced();
    void dropKeptStatements();

    sqlite3* m_db = nullptr;
    QString m_path;
    QStringList m_notices;
    // The file that is open, so that another one under its name is noticed.
    quint64 m_device = 0;
    quint64 m_inode = 0;
    // Which open of any connection in this run the current one is, counted from 1.
    qint64 m_opening = 0;
    bool m_damaged = false;
    std::vector<std::pair<QByteArray, sqlite3_stmt*>> m_kept;
};

// A statement's text as lines, joined by line breaks for the engine.
class TSQLLines
{
public:
    void Clear() { m_lines.clear(); }
    void Add(const QString& line) { m_lines.append(line); }
    QString Text() const { return m_lines.join('\n'); }
    int Count() const { return m_lines.size(); }

private:
    QStringList m_lines;
};

class TParameter
{
public:
    explicit TParameter(QString name) : Name(std::move(name)) {}
    QString Name;
    // Text, integer, double, QDate (stored as a date) or QDateTime (stored as a date-time).
    QVariant Value;
};

class TADOQuery;

class TParameters
{
public:
    explicit TParameters(TADOQuery* owner) : m_owner(owner) {}
    TParameters(const TParameters&) = delete;
    TParameters& operator=(const TParameters&) = delete;

    // Matched without regard to case; raises DatabaseError for a name the statement lacks.
    TParameter& ParamByName(const QString& name);
    int Count() const;
    TParameter& operator[](int i);

private:
    friend class TADOQuery;
    void rebuild(const QStringList& names);
    TParameter* find(const QString& name) const;
    // The list follows the owner's current SQL text, whichever way it is reached.
    TADOQuery* m_owner;
    std::vector<std::unique_ptr<TParameter>> m_params;
};

class TField
{
public:
    TField(QVariant value, const QString& declaredType);
    bool IsNull() const;
    // Dates in the locale's short date format (time omitted at midnight), numbers with the
    // locale's decimal separator, as the lists show them.
    QString AsString() const;
    int AsInteger() const;
    double AsFloat() const;
    QDateTime AsDateTime() const;
    QVariant Value() const;

    // What a column's declared type says about how its values are shown.
    enum class Kind { Plain, DateTime, Fraction };
    static Kind kindOf(const QString& declaredType);

private:
    friend class TADOQuery;
    // One value as the engine returned it. Texts (UTF-8) and blobs are bytes in the query's
    // arena, so a large result costs a few allocations rather than one per value.
    struct Stored
    {
        int type = 0; // the engine's type code
        union {
            qint64 integer = 0;
            double real;
        };
        qsizetype offset = 0; // into the arena, for texts and blobs
        qsizetype length = 0;
    };
    // A field read from a query points at its row, which stays put until the next Open or Close;
    // values are converted only when asked for, as the lists read thousands of them.
    TField(const Stored* stored, const char* arena, Kind kind)
        : m_stored(stored), m_arena(arena), m_kind(kind)
    {
    }
    QByteArrayView bytes() const { return QByteArrayView(m_arena + m_stored->offset, m_stored->length); }
    QVariant m_value; // when made from a value rather than read from a query
    const Stored* m_stored = nullptr;
    const char* m_arena = nullptr;
    Kind m_kind;
};

class TADOQuery
{
public:
    TADOQuery();
    ~TADOQuery();
    TADOQuery(const TADOQuery&) = delete;
    TADOQuery& operator=(const TADOQuery&) = delete;

    TADOConnection* Connection = nullptr;
    TSQLLines SQL;
    TParameters Parameters;
    bool Prepared = false;

    // Parameters are taken from the current SQL text the first time they are asked for
    // after the text changed; values set before a change of text are dropped.
    TParameter& ParamByName(const QString& name);

    void Open();   // runs a select and keeps every row
    int ExecSQL(); // runs a change; the number of rows it changed
    void Close();
    bool Active() const { return m_active; }

    int RecordCount() const { return static_cast<int>(m_rowCount); }
    void First() { m_row = 0; }
    void Next() { ++m_row; }
    bool Eof() const { return m_row >= m_rowCount; }
    TField FieldByName(const QString& name) const;

private:
    friend class TParameters;
    void syncParameters();
    struct Statement;
    Statement prepare();
    int columnIndex(const QString& name) const;

    bool m_active = false;
    QString m_paramsForText;
    bool m_paramsKnown = false;
    QStringList m_columns;
    std::vector<TField::Kind> m_columnKinds;
    // Names as the callers spell them, tried from the one after the last found: a list's
    // loader reads the same names in the same order for every row.
    mutable std::vector<std::pair<QString, int>> m_columnLookup;
    mutable size_t m_lastLookup = 0;
    // Row-major: m_rowCount rows of m_columns.size() values.
    std::vector<TField::Stored> m_values;
    std::string m_bytes;
    size_t m_rowCount = 0;
    size_t m_row = 0;
};

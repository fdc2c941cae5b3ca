// tessary-seed: fills an existing desktop.mdb with realistic rows for benchmarks.

#include "bench/SeedTexts.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <exception>
#include <limits>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: tessary-seed OUT.mdb [--events N] [--span DAYS] [--addresses N] [--passwords N] [--expenses N]\n"
    "                    [--seed S]\n"
    "Adds N rows of each kind to an existing organiser database; the same seed gives the same rows\n"
    "(dates relative to today). Events fall within DAYS either side of today (365 unless given).\n";

constexpr const char* kDateTimeFormat = "yyyy-MM-dd HH:mm:ss";
constexpr const char* kDateFormat = "yyyy-MM-dd";

struct Options
{
    QString path;
    int events = 0;
    int span = 365;
    int addresses = 0;
    int passwords = 0;
    int expenses = 0;
    std::uint64_t seed = 1;
};

class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

std::uint64_t parseNumber(const QString& option, const QString& value, std::uint64_t max)
{
    bool ok = false;
    const qulonglong number = value.toULongLong(&ok);
    if (!ok || number > max)
        throw UsageError(
            (option + " needs a whole number from 0 to " + QString::number(max) + ", not \"" + value + "\"")
                .toStdString());
    return number;
}

Options parseOptions(const QStringList& args)
{
    Options options;
    constexpr std::uint64_t kMaxRows = 10'000'000;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith("--")) {
            if (!options.path.isEmpty())
                throw UsageError("only one database file can be given");
            options.path = arg;
            continue;
        }
        if (i + 1 >= args.size())
            throw UsageError((arg + " needs a value").toStdString());
        const QString& value = args[++i];
        if (arg == "--events")
            options.events = static_cast<int>(parseNumber(arg, value, kMaxRows));
        else if (arg == "--span")
            options.span = static_cast<int>(parseNumber(arg, value, 100'000));
        else if (arg == "--addresses")
            options.addresses = static_cast<int>(parseNumber(arg, value, kMaxRows));
        else if (arg == "--passwords")
            options.passwords = static_cast<int>(parseNumber(arg, value, kMaxRows));
        else if (arg == "--expenses")
            options.expenses = static_cast<int>(parseNumber(arg, value, kMaxRows));
        else if (arg == "--seed")
            options.seed = parseNumber(arg, value, std::numeric_limits<std::uint64_t>::max());
        else
            throw UsageError(("unknown option " + arg).toStdString());
    }
    if (options.path.isEmpty())
        throw UsageError("no database file given");
    return options;
}

class Database
{
public:
    explicit Database(const QString& path)
    {
        // No SQLITE_OPEN_CREATE: a mistyped path must not leave an empty file behind.
        const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
        if (rc != SQLITE_OK) {
            const std::string message = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc);
            sqlite3_close(m_db);
            throw std::runtime_error("cannot open " + path.toStdString() + ": " + message);
        }
    }
    ~Database() { sqlite3_close(m_db); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void execute(const char* sql)
    {
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            fail(sql);
    }
    [[noreturn]] void fail(const char* sql) const
    {
        throw std::runtime_error(std::string(sqlite3_errmsg(m_db)) + " (in: " + sql + ")");
    }
    sqlite3* handle() const { return m_db; }
    sqlite3_int64 lastInsertId() const { return sqlite3_last_insert_rowid(m_db); }

private:
    sqlite3* m_db = nullptr;
};

// Rolls back unless committed, so a failed seed leaves the file as it was.
class Transaction
{
public:
    explicit Transaction(Database& db) : m_db(db) { m_db.execute("BEGIN IMMEDIATE"); }
    ~Transaction()
    {
        if (!m_committed)
            sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit()
    {
        m_db.execute("COMMIT");
        m_committed = true;
    }

private:
    Database& m_db;
    bool m_committed = false;
};

class Statement
{
public:
    Statement(Database& db, const char* sql) : m_db(db), m_sql(sql)
    {
        if (sqlite3_prepare_v2(db.handle(), sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            db.fail(sql);
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const QString& value)
    {
        const QByteArray utf8 = value.toUtf8();
        check(sqlite3_bind_text(m_stmt, index, utf8.constData(), static_cast<int>(utf8.size()),
                                SQLITE_TRANSIENT));
    }
    void bind(int index, sqlite3_int64 value) { check(sqlite3_bind_int64(m_stmt, index, value)); }
    void bind(int index, double value) { check(sqlite3_bind_double(m_stmt, index, value)); }

    // Runs the statement; true while it yields rows.
    bool step()
    {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            m_db.fail(m_sql);
        return false;
    }
    sqlite3_int64 columnInt(int index) const { return sqlite3_column_int64(m_stmt, index); }
    void reset()
    {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }

private:
    void check(int rc) const
    {
        if (rc != SQLITE_OK)
            m_db.fail(m_sql);
    }

    Database& m_db;
    const char* m_sql;
    sqlite3_stmt* m_stmt = nullptr;
};

// The ids of the named categories, adding the ones the table lacks so that reruns reuse them.
std::vector<sqlite3_int64> ensureCategories(Database& db, const char* table, const QStringList& names)
{
    const std::string find = std::string("select id from ") + table + " where category = ?";
    const std::string add = std::string("insert into ") + table + " (category) values (?)";
    Statement select(db, find.c_str());
    Statement insert(db, add.c_str());
    std::vector<sqlite3_int64> ids;
    for (const QString& name : names) {
        select.bind(1, name);
        if (select.step()) {
            ids.push_back(select.columnInt(0));
        } else {
            insert.bind(1, name);
            insert.step();
            insert.reset();
            ids.push_back(db.lastInsertId());
        }
        select.reset();
    }
    return ids;
}

// About one row in eight has no category, as entries filed under "All" do.
sqlite3_int64 categoryFor(seed::Random& random, const std::vector<sqlite3_int64>& ids)
{
    if (random.percent(12))
        return -1;
    return ids[static_cast<std::size_t>(random.below(static_cast<int>(ids.size())))];
}

void seedEvents(Database& db, seed::Random& random, int count, int span, const QDate& today)
{
    Statement insert(db, "insert into journal (jstarttime, jendtime, memo) values (?, ?, ?)");
    for (int i = 0; i < count; ++i) {
        const seed::Event event = seed::makeEvent(random, today, span);
        insert.bind(1, event.start.toString(kDateTimeFormat));
        insert.bind(2, event.end.toString(kDateTimeFormat));
        insert.bind(3, event.memo);
        insert.step();
        insert.reset();
    }
}

void seedAddresses(Database& db, seed::Random& random, int count)
{
    const std::vector<sqlite3_int64> groups = ensureCategories(db, "category", seed::addressGroupNames());
    Statement insert(db, "insert into address (FirstName, LastName, Title, CompanyName, Address, City, Zip, "
                         "Nation, OfficePhone, HomePhone, Fax, Mobile, Email, Categoryid) "
                         "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int i = 0; i < count; ++i) {
        const seed::Address a = seed::makeAddress(random);
        int column = 0;
        for (const QString* field :
             {&a.firstName, &a.lastName, &a.title, &a.companyName, &a.address, &a.city, &a.zip, &a.nation,
              &a.officePhone, &a.homePhone, &a.fax, &a.mobile, &a.email})
            insert.bind(++column, *field);
        insert.bind(++column, categoryFor(random, groups));
        insert.step();
        insert.reset();
    }
}

void seedPasswords(Database& db, seed::Random& random, int count)
{
    const std::vector<sqlite3_int64> categories =
        ensureCategories(db, "mcategory", seed::passwordCategoryNames());
    Statement insert(db, "insert into mmemo (MMemo, Categoryid) values (?, ?)");
    for (int i = 0; i < count; ++i) {
        insert.bind(1, seed::makePasswordMemo(random));
        insert.bind(2, categoryFor(random, categories));
        insert.step();
        insert.reset();
    }
}

void seedExpenses(Database& db, seed::Random& random, int count, const QDate& today)
{
    Statement insert(db, "insert into expense (item, amount, paydate) values (?, ?, ?)");
    for (int i = 0; i < count; ++i) {
        const seed::Expense expense = seed::makeExpense(random, today);
        insert.bind(1, expense.item);
        insert.bind(2, expense.amount);
        insert.bind(3, expense.paydate.toString(kDateFormat));
        insert.step();
        insert.reset();
    }
}

void run(const Options& options)
{
    if (!QFileInfo(options.path).isFile())
        throw std::runtime_error("no database file " + options.path.toStdString() +
                                 " (make one with tessary-mkdb first)");
    QElapsedTimer timer;
    timer.start();
    Database db(options.path);
    const QDate today = QDate::currentDate();
    // One generator per kind, so changing one count leaves the other kinds' rows as they were.
    seed::Random events(options.seed), addresses(options.seed + 1), passwords(options.seed + 2),
        expenses(options.seed + 3);

    Transaction transaction(db);
    seedEvents(db, events, options.events, options.span, today);
    seedAddresses(db, addresses, options.addresses);
    seedPasswords(db, passwords, options.passwords);
    seedExpenses(db, expenses, options.expenses, today);
    transaction.commit();

    std::printf("%s: added %d events, %d addresses, %d passwords, %d expenses in %lld ms\n",
                qUtf8Printable(options.path), options.events, options.addresses, options.passwords,
                options.expenses, static_cast<long long>(timer.elapsed()));
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    if (args.contains("--help") || args.contains("-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    try {
        run(parseOptions(args));
        return 0;
    } catch (const UsageError& e) {
        std::fprintf(stderr, "tessary-seed: %s\n%s", e.what(), kUsage);
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tessary-seed: %s\n", e.what());
        return 1;
    }
}

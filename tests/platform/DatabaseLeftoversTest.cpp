#include "platform/DatabaseLeftovers.h"

#include "mobile/SyncFiles.h"
#include "platform/Database.h"
#include "support/TessaryTest.h"
#include "support/TracedChild.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <memory>
#include <sqlite3.h>
#include <sys/mount.h>

using platform::db::DatabaseError;

namespace {

using RawDatabase = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;

RawDatabase openRaw(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                    nullptr);
    return RawDatabase(db, sqlite3_close_v2);
}

void execRaw(sqlite3* db, const char* sql)
{
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &message);
    ASSERT_EQ(rc, SQLITE_OK) << sql << ": " << (message ? message : "");
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The journal a file has while `change` runs, as a crash would leave it; the change is then
// committed or rolled back. Without syncing the engine marks the journal live at once.
QByteArray journalDuring(const QString& path, const char* change, bool commit)
{
    RawDatabase db = openRaw(path);
    execRaw(db.get(), "pragma synchronous=off");
    execRaw(db.get(), "begin");
    execRaw(db.get(), change);
    const QByteArray journal = readAll(path + "-journal");
    execRaw(db.get(), commit ? "commit" : "rollback");
    return journal;
}

// Another program's database: one table of `rows` blobs.
void makeOtherDatabase(const QString& path, int rows)
{
    RawDatabase db = openRaw(path);
    execRaw(db.get(), "create table t (x)");
    execRaw(db.get(), QByteArray("with recursive n(i) as (select 1 union all select i + 1 from n where i < " +
                                 QByteArray::number(rows) + ") insert into t select randomblob(300) from n")
                          .constData());
}

class DatabaseLeftoversTest : public TessaryTest
{
protected:
    DatabaseLeftoversTest()
    {
        createDatabase();
        RawDatabase db = openRaw(databasePath());
        execRaw(db.get(), "with recursive n(i) as (select 1 union all select i + 1 from n where i < 1000) "
                          "insert into address (FirstName, City) select 'Name ' || i, 'City' from n");
    }

    int addresses(const QString& path)
    {
        TADOConnection connection;
        connection.ConnectionString = "dbq=" + path;
        connection.Open();
        TADOQuery query;
        query.Connection = &connection;
        query.SQL.Add("select count(*) as n from address");
        query.Open();
        return query.FieldByName("n").AsInteger();
    }
    QStringList filesBeside() const
    {
        return QDir(programFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
};

} // namespace

TEST_F(DatabaseLeftoversTest, AJournalLeftBesideTheDatabaseIsAppliedOnlyWhenItMakesASoundDatabase)
{
    const QString journal = databasePath() + "-journal";
    const QString other = programFolder() + "other/other.db";
    QDir().mkpath(programFolder() + "other");
    makeOtherDatabase(other, 3000);
    const QByteArray foreignPartial = journalDuring(other, "delete from t where rowid % 7 = 0", false);
    const QByteArray foreignWhole = journalDuring(other, "update t set x = randomblob(300)", false);
    const QByteArray intact = readAll(databasePath());
    // The file's own journal, from a change to it that had not finished.
    const QByteArray own = journalDuring(databasePath(), "delete from address where id > 400", true);
    const QByteArray committed = readAll(databasePath());
    ASSERT_FALSE(foreignPartial.isEmpty());
    ASSERT_FALSE(own.isEmpty());

    const struct
    {
        const char* name;
        QByteArray file;
        QByteArray journal;
        int rows;
        const char* kept; // the names the file and journal are kept under
        const char* notice;
    } cases[] = {
        {"another database's, partly", intact, foreignPartial, 1000,
         "desktop.mdb desktop.mdb-journal.not-applied-", "did not belong to it"},
        {"another database's, every page", intact, foreignWhole, 1000,
         "desktop.mdb desktop.mdb-journal.not-applied-", "did not belong to it"},
        {"the file's own", committed, own, 1000,
         "desktop.mdb desktop.mdb-journal.applied- desktop.mdb.before-journal-", "was brought back"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& name : filesBeside())
            QFile::remove(programFolder() + name);
        writeAll(databasePath(), c.file);
        writeAll(journal, c.journal);

        TADOConnection connection;
        connection.ConnectionString = "dbq=" + databasePath();
        ASSERT_NO_THROW(connection.Open());
        ASSERT_EQ(connection.notices().size(), 1);
        EXPECT_TRUE(connection.notices()[0].contains(c.notice)) << connection.notices()[0].toStdString();
        connection.Close();
        EXPECT_EQ(addresses(databasePath()), c.rows);
        if (QString(c.kept).contains("not-applied")) {
            EXPECT_EQ(readAll(databasePath()), c.file) << "opened untouched";
        }
        QStringList kept = filesBeside();
        kept.replaceInStrings(QRegularExpression("\\d{8}-\\d{6}$"), QString());
        EXPECT_EQ(kept.join(' '), c.kept);
        // What was set aside is there byte for byte, and the notice says where.
        for (const QString& name : filesBeside()) {
            if (name == "desktop.mdb")
                continue;
            EXPECT_TRUE(connection.notices()[0].contains(programFolder() + name));
            EXPECT_EQ(readAll(programFolder() + name), name.contains("journal.") ? c.journal : c.file)
                << name.toStdString();
        }
    }
}

TEST_F(DatabaseLeftoversTest, ALiveJournalOfAnotherConnectionIsLeftToIt)
{
    RawDatabase writer = openRaw(databasePath());
    execRaw(writer.get(), "begin");
    execRaw(writer.get(), "delete from address where id > 400");
    const QByteArray live = readAll(databasePath() + "-journal");
    ASSERT_FALSE(live.isEmpty());

    TADOConnection connection;
    connection.ConnectionString = "dbq=" + databasePath();
    connection.Open();
    EXPECT_TRUE(connection.notices().isEmpty());
    EXPECT_EQ(readAll(databasePath() + "-journal"), live);
    EXPECT_EQ(filesBeside(), QStringList({"desktop.mdb", "desktop.mdb-journal"}));
    execRaw(writer.get(), "commit");
    EXPECT_EQ(addresses(databasePath()), 400);
}

// A start killed while it checked a journal leaves the check's copy of the file and of the journal.
TEST_F(DatabaseLeftoversTest, CopiesLeftByAJournalCheckCutShortAreRemovedAtTheNextOpen)
{
    const std::int64_t now = QDateTime::currentSecsSinceEpoch();
    const struct
    {
        const char* name;
        std::int64_t age;
        bool kept;
    } beside[] = {
        {"desktop.mdb.journal-check-20261207-101500", 3600, false},
        {"desktop.mdb.journal-check-20261207-101500-journal", 3600, false},
        {"desktop.mdb.journal-check-20261207-101500-2-journal", 60, false},
        {"desktop.mdb.journal-check-20261207-101501", -3600, true}, // written since this open began
        {"desktop.mdb.journal-check-notes", 3600, true},
        {"desktop.mdb.before-journal-20261207-101500", 3600, true},
        {"other.mdb.journal-check-20261207-101500", 3600, true},
    };
    QStringList kept = {"desktop.mdb"};
    for (const auto& b : beside) {
        makeFile(programFolder() + b.name, "left", now - b.age);
        if (b.kept)
            kept.append(b.name);
    }
    kept.sort();

    TADOConnection connection;
    connection.ConnectionString = "dbq=" + databasePath();
    connection.Open();
    EXPECT_TRUE(connection.notices().isEmpty());
    EXPECT_EQ(filesBeside(), kept);
    connection.Close();

    // Another start's check, about to put its copy in the file's place: it holds the copy, old as
    // a long check on a stick leaves it.
    writeAll(databasePath() + "-journal",
             journalDuring(databasePath(), "delete from address where id > 400", true));
    TracedChild checking(
        [&] { return platform::db::settleLeftoverFiles(databasePath()).join(' ').toUtf8(); });
    ASSERT_TRUE(checking.stopBefore(TracedChild::Call::Rename, ".journal-check-"));
    QStringList held =
        filesBeside().filter(QRegularExpression("^desktop\\.mdb\\.journal-check-\\d{8}-\\d{6}$"));
    for (const auto& b : beside)
        held.removeAll(b.name);
    ASSERT_EQ(held.size(), 1);
    setModifiedTime(programFolder() + held[0], now - 3600);
    EXPECT_TRUE(platform::db::settleLeftoverFiles(databasePath()).isEmpty());
    EXPECT_TRUE(filesBeside().contains(held[0]));
    EXPECT_TRUE(checking.finish().contains("was brought back"));
    EXPECT_EQ(addresses(databasePath()), 1000);
}

TEST_F(DatabaseLeftoversTest, AWriteAheadLogBesideADatabaseNeverInThatModeIsSetAside)
{
    const QString other = programFolder() + "other/other.db";
    QDir().mkpath(programFolder() + "other");
    RawDatabase db = openRaw(other);
    execRaw(db.get(), "pragma journal_mode=wal");
    execRaw(db.get(), "pragma wal_autocheckpoint=0");
    execRaw(db.get(), "create table t (x)");
    execRaw(db.get(), "with recursive n(i) as (select 1 union all select i + 1 from n where i < 1000) "
                      "insert into t select randomblob(300) from n");
    const QByteArray wal = readAll(other + "-wal");
    ASSERT_FALSE(wal.isEmpty());
    writeAll(databasePath() + "-wal", wal);
    writeAll(databasePath() + "-shm", readAll(other + "-shm"));
    const QByteArray intact = readAll(databasePath());

    TADOConnection connection;
    connection.ConnectionString = "dbq=" + databasePath();
    connection.Open();
    connection.Close();
    EXPECT_EQ(addresses(databasePath()), 1000);
    EXPECT_EQ(readAll(databasePath()), intact);
    QStringList kept = filesBeside();
    kept.replaceInStrings(QRegularExpression("\\d{8}-\\d{6}$"), QString());
    EXPECT_EQ(kept.join(' '), "desktop.mdb desktop.mdb-shm.not-applied- desktop.mdb-wal.not-applied-");
    ASSERT_EQ(connection.notices().size(), 2);
    EXPECT_TRUE(connection.notices()[0].contains("desktop.mdb-wal\" did not belong"));
    EXPECT_EQ(readAll(programFolder() + filesBeside()[2]), wal);
}

namespace {

// A small disk of its own, mounted over a folder for the test's length.
class SmallDisk
{
public:
    explicit SmallDisk(const QString& folder) : m_folder(QFile::encodeName(folder))
    {
        QDir().mkpath(folder);
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=4m") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    // Writes a file until the disk refuses more.
    void fill() const
    {
        QFile filler(QFile::decodeName(m_folder) + "/filler");
        if (!filler.open(QIODevice::WriteOnly))
            return;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

} // namespace

TEST_F(DatabaseLeftoversTest, AFullDiskAppliesNoJournalAndSaysItIsFull)
{
    const QString folder = programFolder() + "stick";
    SmallDisk disk(folder);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small disk needs root";
    const QString path = folder + "/desktop.mdb";
    ASSERT_TRUE(QFile::copy(databasePath(), path));

    // A change on the full disk.
    TADOConnection connection;
    connection.ConnectionString = "dbq=" + path;
    connection.Open();
    disk.fill();
    TADOQuery insert;
    insert.Connection = &connection;
    insert.SQL.Add("insert into address (FirstName) select FirstName || FirstName from address");
    try {
        insert.ExecSQL();
        FAIL() << "the change fitted";
    } catch (const DatabaseError& error) {
        EXPECT_EQ(QString(error.what()),
                  "The disk holding \"" + path + "\" is full, so the change was not stored.");
    }
    connection.Close();
    EXPECT_EQ(addresses(path), 1000);

    // A journal that cannot be checked for want of room is not applied, and nothing is opened.
    const QByteArray own = journalDuring(databasePath(), "delete from address where id > 400", true);
    QFile::remove(folder + "/filler");
    writeAll(path + "-journal", own);
    const QByteArray before = readAll(path);
    disk.fill();
    try {
        connection.Open();
        FAIL() << "opened";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(QString(error.what()).contains("the disk has no room to check it")) << error.what();
    }
    EXPECT_FALSE(connection.Connected());
    EXPECT_EQ(readAll(path), before);
    EXPECT_EQ(readAll(path + "-journal"), own);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
              QStringList({"desktop.mdb", "desktop.mdb-journal", "filler"}));
}

#include "platform/Database.h"

#include "common/ListQuery.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/Transaction.h"
#include "support/DamagedPage.h"
#include "support/TessaryTest.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <utility>

using platform::db::DatabaseError;

namespace {

const QString kDriver = QStringLiteral("DRIVER={Microsoft Access Driver (*.mdb)};dbq=");

using Params = std::vector<std::pair<QString, QVariant>>;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class DatabaseTest : public TessaryTest
{
protected:
    DatabaseTest()
    {
        createDatabase();
        connection.ConnectionString = kDriver + databasePath();
        connection.Open();
        query.Connection = &connection;
    }

    void setUp(const QStringList& lines, const Params& params)
    {
        query.Close();
        query.SQL.Clear();
        for (const QString& line : lines)
            query.SQL.Add(line);
        for (const auto& [name, value] : params)
            query.ParamByName(name).Value = value;
    }
    void exec(const QStringList& lines, const Params& params = {})
    {
        setUp(lines, params);
        query.ExecSQL();
    }
    // Opens the select and returns one field of every row as text.
    QStringList column(const QStringList& lines, const QString& field, const Params& params = {})
    {
        setUp(lines, params);
        query.Open();
        QStringList values;
        for (query.First(); !query.Eof(); query.Next())
            values.append(query.FieldByName(field).AsString());
        return values;
    }
    int count(const QString& table)
    {
        return column({"select count(*) as n from " + table}, "n").value(0).toInt();
    }

    void addEvent(const QDateTime& start, const QDateTime& end, const QString& memo)
    {
        exec({" Insert Into journal ( jstarttime , jendtime , memo ) ",
              " values ( :jstarttime , :jendtime , :memo  )"},
             {{"jstarttime", start}, {"jendtime", end}, {"memo", memo}});
    }
    void addMemos(const QStringList& texts, int categoryId)
    {
        for (const QString& text : texts)
            exec({" Insert Into Mmemo ( MMemo , Categoryid)", " values (  :MMemo ,:Categoryid  )"},
                 {{"MMemo", text}, {"categoryid", categoryId}});
    }

    TADOConnection connection;
    TADOQuery query;
};

// ---- connection ----

TEST_F(DatabaseTest, OpeningRefusesMissingAndForeignFilesAndCreatesNothing)
{
    const struct
    {
        const char* name;
        bool exists;
        QByteArray content;
    } cases[] = {
        {"missing.mdb", false, {}},
        {"text.mdb", true, "Standard Jet DB\nnot an engine file at all, only some text of sufficient length"},
        {"empty.mdb", true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = programFolder() + c.name;
        if (c.exists)
            writeFile(path, c.content);
        const QStringList before = QDir(programFolder()).entryList(QDir::Files);
        TADOConnection other;
        other.ConnectionString = kDriver + path;
        EXPECT_THROW(other.Open(), DatabaseError);
        EXPECT_FALSE(other.Connected());
        EXPECT_EQ(QDir(programFolder()).entryList(QDir::Files), before);
        EXPECT_EQ(readAll(path), c.content);
    }
}

TEST_F(DatabaseTest, TheDatabasePathReachesTheEngineWhateverTheFolderNameHolds)
{
    // Each folder lies beside a database that a path cut short at one of its characters would
    // name instead, and every change must land in the folder's own file.
    const char* const folders[] = {"Stick;Mode=1", "a;dbq=b",        "x=y",  "{braced}", "}odd{",
                                   "it's \"q\"",   " blanks  here ", "semi;"};
    QDir().mkpath(programFolder() + "Stick");
    for (const char* name : folders) {
        SCOPED_TRACE(name);
        const QString folder = programFolder() + name;
        const QString path = folder + "/desktop.mdb";
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(QFile::copy(databasePath(), path));
        TADOConnection other;
        other.ConnectionString = kDriver + path;
        other.Open();
        EXPECT_EQ(other.databasePath(), path);
        TADOQuery insert;
        insert.Connection = &other;
        insert.SQL.Add("insert into mmemo (MMemo) values ('here')");
        insert.ExecSQL();
    }
    for (const char* name : folders) {
        TADOConnection reader;
        reader.ConnectionString = kDriver + programFolder() + name + "/desktop.mdb";
        reader.Open();
        TADOQuery rows;
        rows.Connection = &reader;
        rows.SQL.Add("select count(*) as n from mmemo");
        rows.Open();
        EXPECT_EQ(rows.FieldByName("n").AsInteger(), 1) << name;
    }
    EXPECT_EQ(count("mmemo"), 0);
}

TEST_F(DatabaseTest, AFileReplacedOnDiskIsOpenedAgainBeforeTheNextStatement)
{
    const QString older = programFolder() + "older.mdb";
    ASSERT_TRUE(QFile::copy(databasePath(), older));
    addMemos({"in the file that is replaced"}, -1);
    QStringList told;
    connection.OnFileReplaced = [&told](const QString& notice) { told.append(notice); };
    const auto stamp = connection.changeStamp();
    const qint64 opening = connection.opening();

    // A copy put back over the file, as a user restoring an older one does.
    ASSERT_EQ(
        std::rename(QFile::encodeName(older).constData(), QFile::encodeName(databasePath()).constData()), 0);
    EXPECT_EQ(count("mmemo"), 0);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith("\"" + databasePath() + "\" was replaced on disk"))
        << told[0].toStdString();
    EXPECT_NE(connection.opening(), opening);
    EXPECT_NE(connection.changeStamp(), stamp);
    addMemos({"kept"}, -1);
    connection.Close();
    connection.Open();
    EXPECT_EQ(column({"select MMemo from mmemo"}, "MMemo"), QStringList({"kept"}));
    EXPECT_EQ(told.size(), 1);

    // A file that is gone is never written on in secret.
    ASSERT_TRUE(QFile::rename(databasePath(), programFolder() + "moved.mdb"));
    EXPECT_THROW(addMemos({"lost"}, -1), DatabaseError);
    EXPECT_FALSE(connection.Connected());
}

TEST_F(DatabaseTest, AFileFoundDamagedTakesNoMoreChangesUntilAnotherFileIsOpened)
{
    exec({"with recursive n(i) as (select 1 union all select i + 1 from n where i < 600) "
          "insert into expense (item, amount, paydate) select 'Item ' || i || hex(zeroblob(20)), i, "
          "'2024-01-01' from n"});
    const QString sound = programFolder() + "sound.mdb";
    ASSERT_TRUE(QFile::copy(databasePath(), sound));
    connection.Close();
    damageLeafPage(databasePath(), "expense", 1);
    const QByteArray damaged = readAll(databasePath());
    const QString named = "\"" + databasePath() + "\" is damaged";
    const QString malformed =
        named + " (database disk image is malformed). Restore a backup or repair the file.";
    const QString refusal = named + "; changes are not stored. Restore a backup or repair the file.";
    const auto raises = [](const std::function<void()>& statement) {
        try {
            statement();
        } catch (const DatabaseError& error) {
            return QString::fromUtf8(error.what());
        }
        return QString("nothing raised");
    };
    const auto addMemo = [this] { addMemos({"after the damage"}, -1); };

    const struct
    {
        const char* name;
        std::function<void()> meetsDamage;
    } ways[] = {{"opened select", [this] { column({"select item from expense"}, "item"); }},
                {"list select",
                 [this] {
                     setUp({"select item from expense"}, {});
                     TListQuery rows(query);
                     while (rows.next()) {
                     }
                 }},
                {"change", [this] { exec({"update expense set amount = amount + 1"}); }},
                // A change made before the damage showed, in one transaction with the one that met it.
                {"batch", [&] {
                     const auto outcome = platform::db::runBatch(connection, 2, [&](int i) {
                         i == 0 ? addMemo() : exec({"update expense set amount = amount + 1"});
                     });
                     EXPECT_EQ(outcome.kept, 0);
                     std::rethrow_exception(outcome.failure);
                 }}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        connection.Open();
        EXPECT_FALSE(connection.damaged());
        EXPECT_EQ(raises(way.meetsDamage), malformed);
        EXPECT_TRUE(connection.damaged());
        EXPECT_EQ(raises(addMemo), refusal);
        EXPECT_EQ(raises([&] { platform::db::runBatch(connection, 1, [&](int) { addMemo(); }); }), refusal);
        // Reading goes on.
        EXPECT_EQ(count("mmemo"), 0);
        connection.Close();
        EXPECT_EQ(readAll(databasePath()), damaged);
    }

    // A sound copy put back over the file is taken, and takes changes again.
    connection.Open();
    EXPECT_NE(raises([this] { count("expense"); }), "nothing raised");
    ASSERT_EQ(
        std::rename(QFile::encodeName(sound).constData(), QFile::encodeName(databasePath()).constData()), 0);
    EXPECT_EQ(count("expense"), 600);
    EXPECT_FALSE(connection.damaged());
    addMemo();
    EXPECT_EQ(count("mmemo"), 1);
}

TEST_F(DatabaseTest, APreparedQueryRunsOneCompiledStatementUntilItsTextOrFileChanges)
{
    // The statements the engine holds compiled for the connection's current file.
    const auto compiled = [this] {
        std::vector<sqlite3_stmt*> found;
        for (sqlite3_stmt* s = sqlite3_next_stmt(connection.handle(), nullptr); s;
             s = sqlite3_next_stmt(connection.handle(), s))
            found.push_back(s);
        return found;
    };
    const QString older = programFolder() + "older.mdb";
    ASSERT_TRUE(QFile::copy(databasePath(), older));
    const QStringList insert = {" Insert Into expense ( item , amount )", " values ( :item , :amount )"};
    query.Prepared = true;
    exec(insert, {{"item", "first"}, {"amount", "12.5"}});
    const std::vector<sqlite3_stmt*> kept = compiled();
    ASSERT_EQ(kept.size(), 1u);
    // A run that fails leaves the statement ready for the next, holding no lock.
    EXPECT_THROW(exec(insert, {{"item", "refused"}, {"amount", "abc"}}), DatabaseError);
    EXPECT_FALSE(sqlite3_stmt_busy(kept[0]));
    exec(insert, {{"item", "second"}, {"amount", QVariant()}});
    EXPECT_EQ(compiled(), kept);
    EXPECT_EQ(column({"select item , amount from expense order by id"}, "item"),
              QStringList({"first", "second"}));
    EXPECT_EQ(column({"select item , amount from expense order by id"}, "amount"), QStringList({"12.5", ""}));
    EXPECT_EQ(compiled().size(), 2u) << "the select is kept beside the insert";

    // Another file under the name gets statements of its own, the old ones finalized.
    ASSERT_EQ(
        std::rename(QFile::encodeName(older).constData(), QFile::encodeName(databasePath()).constData()), 0);
    exec(insert, {{"item", "in the new file"}, {"amount", 1}});
    EXPECT_EQ(compiled().size(), 1u);
    EXPECT_EQ(count("expense"), 1);
}

TEST_F(DatabaseTest, QueryWithoutOpenConnectionRaises)
{
    TADOQuery lone;
    lone.SQL.Add("select 1 as n");
    EXPECT_THROW(lone.Open(), DatabaseError);
    lone.Connection = &connection;
    connection.Close();
    EXPECT_THROW(lone.Open(), DatabaseError);
    EXPECT_THROW(lone.ExecSQL(), DatabaseError);
}

TEST_F(DatabaseTest, EngineErrorsCarryTheEngineMessage)
{
    try {
        exec({"delete from nosuchtable"});
        FAIL() << "no error raised";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(QString(error.what()).contains("no such table: nosuchtable")) << error.what();
    }
    // A second statement after ";" is never run.
    addMemos({"kept"}, -1);
    EXPECT_THROW(exec({"delete from mmemo where id=:id; drop table mmemo"}, {{"id", 99}}), DatabaseError);
    EXPECT_EQ(count("mmemo"), 1);
}

// ---- statements as the forms write them ----

TEST_F(DatabaseTest, TableAndParameterNamesIgnoreCase)
{
    addMemos({"alpha", "beta"}, 3);
    for (const char* table : {"mmemo", "mMemo", "MMEMO"})
        EXPECT_EQ(
            column({"  Select ", "  id, mMemo ,categoryid ", QStringLiteral("  from  ") + table}, "MMEMO"),
            QStringList({"alpha", "beta"}))
            << table;
    // One parameter for two spellings; both uses are bound.
    exec({" update  mmemo set ", " mMemo=:mMemo , ", " Categoryid=:Categoryid ",
          " where  id=:memoid or id=:MEMOID"},
         {{"MMemo", "gamma"}, {"CATEGORYID", 4}, {"memoid", 1}});
    EXPECT_EQ(column({"select MMemo from mmemo where categoryid=4"}, "mmemo"), QStringList({"gamma"}));
}

TEST_F(DatabaseTest, NumericColumnsMatchIdsGivenAsText)
{
    addMemos({"none", "first", "second"}, -1);
    exec({" update  mmemo  set categoryID=:GroupID ", " where id in (2,3)"}, {{"GroupID", "12"}});
    const QStringList all = {"  Select ", "  id, mMemo ,categoryid ", "  from  mMemo ",
                             " where categoryid >= :categoryid "};
    EXPECT_EQ(column(all, "MMemo", {{"categoryid", "-1"}}).size(), 3);
    EXPECT_EQ(column(all, "MMemo", {{"categoryid", -1}}).size(), 3);
    EXPECT_EQ(column({"select mmemo from mmemo", " where categoryid = :categoryid "}, "MMemo",
                     {{"categoryid", "12"}}),
              QStringList({"first", "second"}));
    EXPECT_EQ(column({"select mmemo from mmemo where id=:id"}, "MMemo", {{"id", "3"}}),
              QStringList({"second"}));
}

TEST_F(DatabaseTest, InListTakesOneIdOrAListOfIds)
{
    addMemos({"m1", "m2", "m3", "m4", "m5", "m6", "m7", "m8", "m9"}, -1);
    const QStringList select = {" select MMemo ", " from  MMEMO  ", " where id in (:id) ", " order by id "};
    const struct
    {
        QVariant ids;
        QStringList memos;
    } cases[] = {
        {"7", {"m7"}},
        {7, {"m7"}},
        {"9,3,5", {"m3", "m5", "m9"}},
        {" 2 , 4 ", {"m2", "m4"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(column(select, "MMemo", {{"id", c.ids}}), c.memos) << qPrintable(c.ids.toString());

    exec({" delete from mmemo where ", " id in ( :id )  "}, {{"id", "8"}});
    exec({" update mmemo  ", " set categoryid=:categoryid", " where id in ( :id )    "},
         {{"categoryid", 5}, {"id", "1"}});
    EXPECT_EQ(column({"select MMemo from mmemo where categoryid=5"}, "mmemo"), QStringList({"m1"}));
    EXPECT_EQ(count("mmemo"), 8);
}

TEST_F(DatabaseTest, InListRefusesAnythingButIds)
{
    addMemos({"m1", "m2", "m3"}, -1);
    for (const char* bad : {"3;drop table mmemo", "3,x", "", "1.5", "3) or (1=1", "99999999999999999999"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(exec({" delete from mmemo where ", " id in ( :id )  "}, {{"id", bad}}), DatabaseError);
    }
    EXPECT_EQ(count("mmemo"), 3);
}

TEST_F(DatabaseTest, ColonsInLiteralsAndCommentsAreNoParameters)
{
    setUp({"select '10:30' as t, [id] as :n -- :ignored", ", 'it''s :x' as u from mmemo"}, {});
    EXPECT_EQ(query.Parameters.Count(), 1);
    EXPECT_EQ(query.Parameters[0].Name, "n");
}

TEST_F(DatabaseTest, ParametersFollowTheText)
{
    query.SQL.Add("select :A as a");
    query.Parameters.ParamByName("a").Value = 1;
    query.SQL.Add(", :b as b");
    EXPECT_TRUE(query.ParamByName("A").Value.isNull());
    EXPECT_THROW(query.ParamByName("c"), DatabaseError);
}

TEST_F(DatabaseTest, NewIdIsLargerThanEveryEarlierOne)
{
    for (int i = 0; i < 3; ++i)
        exec({" Insert Into Expense ( item , amount , paydate ) ", " values ( :item , :amount , :paydate )"},
             {{"item", "x"}, {"amount", "1"}, {"paydate", QDateTime(QDate(2024, 1, 1), QTime(9, 0))}});
    exec({" delete from expense ", " where  id=:id "}, {{"id", 3}});
    exec({" delete from expense ", " where  id=:id "}, {{"id", 2}});
    exec({"insert into Expense ( item , amount , paydate ) values ('y', 2, '2024-01-02')"});
    setUp({"select id from Expense order by id desc"}, {});
    query.Open();
    EXPECT_EQ(query.FieldByName("ID").AsInteger(), 4);
}

TEST_F(DatabaseTest, JoinOfTwoTablesWithEqualityInWhere)
{
    exec({"insert into category ( category ) values (:category) "}, {{"category", "Friends"}});
    exec({"insert into category ( category ) values (:category) "}, {{"category", "Work"}});
    const std::pair<const char*, int> people[] = {{"Zoe", 1}, {"Adam", 1}, {"Bert", 2}, {"Carl", -1}};
    for (const auto& [name, group] : people)
        exec({"insert into address (FirstName, Categoryid) values (:FirstName, :CategoryID)"},
             {{"firstname", name}, {"categoryid", group}});
    const QStringList select = {
        " select FirstName , LastName , Title , CompanyName , Address , City , Zip , Nation , OfficePhone , "
        "HomePhone ,  Fax , Mobile , Email , category",
        " from  address , category ",
        " where ",
        " address.categoryid=category.id",
        " and address.categoryid=:categoryid",
        " order by  FirstName "};
    EXPECT_EQ(column(select, "FirstName", {{"categoryid", 1}}), QStringList({"Adam", "Zoe"}));
    EXPECT_EQ(query.FieldByName("category").AsString(), "Friends");
}

// The day query, exactly as the day view and the schedule report write it.
QStringList dayQuery(const QDate& day)
{
    return {" select id , jstarttime , jendtime ,memo  , "
            "(Hour([jendtime])-Hour([jstarttime]))*60+Minute([jendtime])-Minute([jstarttime]) AS timerange ",
            " from  journal ", " where DateValue(jstarttime)=", "'" + platform::locale::dateToStr(day) + "'",
            "order by journal.jstarttime, "
            "(Hour([jendtime])-Hour([jstarttime]))*60+Minute([jendtime])-Minute([jstarttime]) DESC"};
}

TEST_F(DatabaseTest, DayQueryFindsTheDayInEveryLocale)
{
    const QDate day(2024, 11, 5);
    addEvent(QDateTime(day, QTime(10, 0)), QDateTime(day, QTime(10, 30)), "short");
    addEvent(QDateTime(day, QTime(10, 0)), QDateTime(day, QTime(12, 15)), "long");
    addEvent(QDateTime(day, QTime(8, 0)), QDateTime(day, QTime(9, 0)), "early");
    addEvent(QDateTime(day.addDays(1), QTime(0, 0)), QDateTime(day.addDays(1), QTime(1, 0)), "next day");
    addEvent(QDateTime(day.addDays(-1), QTime(23, 59, 59)), QDateTime(day, QTime(0, 30)), "day before");
    addEvent(QDateTime(QDate(2024, 5, 11), QTime(10, 0)), QDateTime(QDate(2024, 5, 11), QTime(11, 0)),
             "swapped");

    for (const QLocale& locale :
         {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany)}) {
        SCOPED_TRACE(qPrintable(locale.name()));
        platform::locale::pinLocale(locale);
        EXPECT_EQ(column(dayQuery(day), "memo"), QStringList({"early", "long", "short"}));
        EXPECT_EQ(column(dayQuery(day), "timerange"), QStringList({"60", "135", "30"}));
    }
}

// ---- schema ----

TEST_F(DatabaseTest, SchemaRefusesWhatIsNoDateNumberOrShortText)
{
    const QDateTime at(QDate(2024, 3, 1), QTime(9, 0));
    const QStringList event = {" Insert Into journal ( jstarttime , jendtime , memo ) ",
                               " values ( :jstarttime , :jendtime , :memo  )"};
    const QStringList expense = {" Insert Into Expense ( item , amount , paydate ) ",
                                 " values ( :item , :amount , :paydate )"};
    const struct
    {
        const char* what;
        QStringList sql;
        Params params;
        bool accepted;
    } cases[] = {
        {"255 characters", event, {{"jstarttime", at}, {"jendtime", at}, {"memo", QString(255, 'm')}}, true},
        {"256 characters", event, {{"jstarttime", at}, {"jendtime", at}, {"memo", QString(256, 'm')}}, false},
        {"text start", event, {{"jstarttime", "tomorrow"}, {"jendtime", at}, {"memo", "x"}}, false},
        {"impossible day",
         event,
         {{"jstarttime", at}, {"jendtime", "2024-02-30 10:00:00"}, {"memo", "x"}},
         false},
        {"number as date", event, {{"jstarttime", 45000}, {"jendtime", at}, {"memo", "x"}}, false},
        {"amount text", expense, {{"item", "i"}, {"amount", "12.50"}, {"paydate", QDate(2024, 3, 1)}}, true},
        {"amount letters", expense, {{"item", "i"}, {"amount", "12a"}, {"paydate", at}}, false},
        {"amount two points", expense, {{"item", "i"}, {"amount", "1.2.3"}, {"paydate", at}}, false},
        {"amount empty", expense, {{"item", "i"}, {"amount", ""}, {"paydate", at}}, false},
        {"paydate text", expense, {{"item", "i"}, {"amount", "1"}, {"paydate", "3/1/2024"}}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.accepted)
            EXPECT_NO_THROW(exec(c.sql, c.params));
        else
            EXPECT_THROW(exec(c.sql, c.params), DatabaseError);
    }
    EXPECT_EQ(count("journal"), 1);
    EXPECT_EQ(count("expense"), 1);
}

TEST_F(DatabaseTest, FieldsReadAsTheListsShowThem)
{
    exec({"insert into expense (item, amount, paydate) values (:item, :amount, :paydate)"},
         {{"item", QVariant()}, {"amount", "12.50"}, {"paydate", QDateTime(QDate(2024, 3, 1), QTime(0, 0))}});
    addEvent(QDateTime(QDate(2024, 3, 1), QTime(14, 5, 9)), QDateTime(), "x");

    setUp({"  Select ", "  id, item , amount , paydate  ", "  from  expense "}, {});
    query.Open();
    EXPECT_EQ(query.FieldByName("PAYDATE").AsString(), "3/1/2024");
    EXPECT_EQ(query.FieldByName("amount").AsString(), "12.5");
    EXPECT_DOUBLE_EQ(query.FieldByName("amount").AsFloat(), 12.5);
    EXPECT_EQ(query.FieldByName("item").AsString(), "");
    EXPECT_EQ(query.FieldByName("item").AsInteger(), 0);
    EXPECT_THROW(query.FieldByName("nosuch"), DatabaseError);

    setUp({"select jstarttime, jendtime from journal"}, {});
    query.Open();
    EXPECT_EQ(query.FieldByName("jstarttime").AsString(), "3/1/2024 2:05:09 PM");
    EXPECT_EQ(query.FieldByName("jstarttime").AsDateTime(),
              platform::clock::wallClock(QDate(2024, 3, 1), QTime(14, 5, 9)));
    EXPECT_TRUE(query.FieldByName("jendtime").IsNull());

    platform::locale::pinLocale(QLocale(QLocale::German, QLocale::Germany));
    setUp({"select amount from expense"}, {});
    query.Open();
    EXPECT_EQ(query.FieldByName("amount").AsString(), "12,5");
}

TEST_F(DatabaseTest, TextsComeBackWholeRowAfterRow)
{
    const QStringList names = {"Müller", "", "José Ñandú", "東京", "a\nb", "plain"};
    for (const QString& name : names)
        exec({"insert into mmemo (MMemo) values (:m)"}, {{"m", name}});
    setUp({"select id, MMemo from mmemo order by id"}, {});
    query.Open();
    ASSERT_EQ(query.RecordCount(), names.size());
    QStringList read;
    for (query.First(); !query.Eof(); query.Next())
        read.append(query.FieldByName("MMemo").AsString());
    EXPECT_EQ(read, names);
}

TEST_F(DatabaseTest, EmptyResultGivesNullFields)
{
    setUp({"select id from mmemo order by id desc"}, {});
    query.Open();
    EXPECT_EQ(query.RecordCount(), 0);
    EXPECT_TRUE(query.Eof());
    EXPECT_EQ(query.FieldByName("id").AsInteger(), 0);
}

// ---- creating the file ----

TEST_F(DatabaseTest, CreatingNeverReplacesAFile)
{
    const QByteArray before = readAll(databasePath());
    EXPECT_THROW(platform::db::createDatabase(databasePath(), "create table t (x)"), DatabaseError);
    EXPECT_EQ(readAll(databasePath()), before);
}

TEST_F(DatabaseTest, FailedCreateLeavesNoFileBehind)
{
    const QString path = programFolder() + "other.mdb";
    const QStringList before = QDir(programFolder()).entryList(QDir::Files);
    for (const char* schema : {"create table t (x); create table broken (", "", "-- nothing"}) {
        SCOPED_TRACE(schema);
        EXPECT_THROW(platform::db::createDatabase(path, schema), DatabaseError);
        EXPECT_EQ(QDir(programFolder()).entryList(QDir::Files), before);
    }
}

} // namespace

// view-bench: times the rebuild of the day view and of the week view against the bare queries
// that feed them, in one process, alternating the two so that a drift in the machine's speed
// hits both alike. It first gives one day, and one week further on, 50 events each (outside the
// two years the seeder fills), then prints for each view
//   bench <name>: ours <ms> reference <ms> ratio <r> (target <= 3)
// with the medians of the two times and of the pairwise ratios.
#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "app/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "platform/Application.h"
#include "platform/Locale.h"
#include "platform/SqlFunctions.h"
#include "platform/SystemInfo.h"

#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr double Target = 3.0;
constexpr int EventsPerView = 50;

class Database
{
public:
    explicit Database(const QString& path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
            sqlite3_close(m_db);
            throw std::runtime_error(QString("cannot open %1: %2").arg(path, message.c_str()).toStdString());
        }
        platform::db::registerFunctions(m_db);
    }
    ~Database() { sqlite3_close(m_db); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void execute(const QString& sql)
    {
        if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fail(sql.toStdString());
    }

    // Runs a select to its end, touching every value as a reader would; the number of rows.
    int drain(const QByteArray& sql)
    {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.constData(), static_cast<int>(sql.size()), &stmt, nullptr) !=
            SQLITE_OK)
            fail(sql.toStdString());
        int rows = 0;
        int rc = SQLITE_OK;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                sqlite3_column_text(stmt, c);
            ++rows;
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE)
            fail(sql.toStdString());
        return rows;
    }

private:
    [[noreturn]] void fail(const std::string& sql) const
    {
        throw std::runtime_error(QString("%1 (in: %2)").arg(sqlite3_errmsg(m_db), sql.c_str()).toStdString());
    }

    sqlite3* m_db = nullptr;
};

// The statement the views run for one day, as they write it.
QByteArray dayQuery(const QDate& day)
{
    const QStringList lines = {
        " select id , jstarttime , jendtime ,memo  , "
        "(Hour([jendtime])-Hour([jstarttime]))*60+Minute([jendtime])-Minute([jstarttime]) AS timerange ",
        " from  journal ", " where DateValue(jstarttime)=", "'" + platform::locale::dateToStr(day) + "'",
        "order by journal.jstarttime, "
        "(Hour([jendtime])-Hour([jstarttime]))*60+Minute([jendtime])-Minute([jstarttime]) DESC"};
    return lines.join('\n').toUtf8();
}

QString stored(const QDateTime& stamp)
{
    return QString("'%1'").arg(stamp.toString("yyyy-MM-dd HH:mm:ss"));
}

// Replaces whatever the two test periods held by 50 events each, many of them overlapping.
void addTestEvents(Database& db, const QDate& day, const QDate& sunday)
{
    db.execute("begin");
    db.execute(
        QString("delete from journal where jstarttime >= %1 and jstarttime < %2")
            .arg(stored(QDateTime(day, QTime(0, 0))), stored(QDateTime(sunday.addDays(7), QTime(0, 0)))));
    auto add = [&db](const QDateTime& start, int minutes, int number) {
        db.execute(
            QString("insert into journal (jstarttime, jendtime, memo) values (%1, %2, 'Benchmark event %3')")
                .arg(stored(start), stored(start.addSecs(minutes * 60)))
                .arg(number));
    };
    for (int i = 0; i < EventsPerView; ++i) {
        add(QDateTime(day, QTime(8, 0)).addSecs(i * 12 * 60), 30 + (i % 4) * 20, i);
        add(QDateTime(sunday.addDays(i % 7), QTime(8, 0)).addSecs((i / 7) * 50 * 60), 30 + (i % 3) * 30, i);
    }
    db.execute("commit");
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double millisecondsOf(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void compare(const char* name, int runs, const std::function<void()>& ours,
             const std::function<void()>& reference)
{
    ours();
    reference();
    std::vector<double> a, b, ratios;
    for (int i = 0; i < runs; ++i) {
        a.push_back(millisecondsOf(ours));
        b.push_back(millisecondsOf(reference));
        ratios.push_back(a.back() / b.back());
    }
    std::printf("bench %s: ours %.1fms reference %.1fms ratio %.2f (target <= %g)\n", name, median(a),
                median(b), median(ratios), Target);
    std::fflush(stdout);
}

void run(const QString& folder, int runs)
{
    platform::sys::setProgramFolder(folder);
    const QDate day = QDate::currentDate().addYears(2);
    const QDate sunday = day.addDays(14 - day.dayOfWeek() % 7);
    Database reference(folder + "desktop.mdb");
    addTestEvents(reference, day, sunday);

    Application::CreateForm(MainDesktopForm);
    MainDesktopForm->showMaximized();
    while (!MainDesktopForm->windowHandle() || !MainDesktopForm->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    TDesktopFrame* frame = MainDesktopForm->DesktopFrame;

    // A rebuild includes freeing the memos of the one before.
    auto settle = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); };
    const QByteArray daySql = dayQuery(day);
    compare(
        "day-view", runs,
        [&] {
            frame->ClearDayEvents();
            frame->BuildDayView(day);
            settle();
        },
        [&] { reference.drain(daySql); });
    if (frame->FDayMemos.size() != EventsPerView)
        throw std::runtime_error(
            QString("the day view shows %1 events").arg(frame->FDayMemos.size()).toStdString());

    frame->ToolPageControl->setActivePageIndex(1);
    std::vector<QByteArray> weekSql;
    for (int d = 0; d < 7; ++d)
        weekSql.push_back(dayQuery(sunday.addDays(d)));
    compare(
        "week-view", runs,
        [&] {
            frame->ClearWeekEvents();
            frame->BuildWeekView(sunday);
            settle();
        },
        [&] {
            for (const QByteArray& sql : weekSql)
                reference.drain(sql);
        });
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: view-bench PROGRAM_FOLDER [--runs N]\n"
                   "The folder's desktop.mdb should hold the seeded events; 100 more are put in.\n",
                   stderr);
        return 2;
    }
    int runs = 21;
    if (argc >= 4 && std::strcmp(argv[2], "--runs") == 0)
        runs = std::max(1, std::atoi(argv[3]));
    TApplication app(argc, argv);
    TApplication::setApplicationName("Tessary 2.0");
    int result = 0;
    try {
        QString folder = QString::fromLocal8Bit(argv[1]);
        if (!folder.endsWith('/'))
            folder += '/';
        run(folder, runs);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "view-bench: %s\n", error.what());
        result = 1;
    }
    Application::releaseForms();
    return result;
}

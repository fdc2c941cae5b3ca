#include "bench/BenchSupport.h"

#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "desktop/DesktopFrame.h"
#include "platform/Application.h"
#include "platform/SqlFunctions.h"

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QElapsedTimer>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace bench {

Database::Database(const QString& path, Access access)
{
    const int flags = access == Access::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr) != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        throw std::runtime_error(QString("cannot open %1: %2").arg(path, message.c_str()).toStdString());
    }
    platform::db::registerFunctions(m_db);
}

Database::~Database()
{
    sqlite3_close(m_db);
}

void Database::execute(const QString& sql)
{
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(sql.toStdString());
}

void Database::fail(const std::string& sql) const
{
    throw std::runtime_error(QString("%1 (in: %2)").arg(sqlite3_errmsg(m_db), sql.c_str()).toStdString());
}

namespace {

QString stored(const QDateTime& stamp)
{
    return QString("'%1'").arg(stamp.toString("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

void waitUntilExposed(QWidget* window)
{
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

void parkPointerOutsideWindows()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    auto covered = [&windows](const QPoint& point) {
        return std::any_of(windows.begin(), windows.end(), [&point](const QWidget* window) {
            return window->isVisible() && window->frameGeometry().contains(point);
        });
    };
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint corners[] = {screen.bottomRight(), screen.bottomLeft(), screen.topRight(), screen.topLeft()};
    const QPoint* spot = std::find_if_not(std::begin(corners), std::end(corners), covered);
    if (spot == std::end(corners))
        throw std::runtime_error(
            "the windows cover every corner of the screen: no place to park the pointer");
    QCursor::setPos(*spot);
    auto underPointer = [&windows] {
        return std::any_of(windows.begin(), windows.end(),
                           [](const QWidget* window) { return window->underMouse(); });
    };
    QElapsedTimer waited;
    waited.start();
    while (underPointer()) {
        if (waited.elapsed() > 5000)
            throw std::runtime_error("a window still takes itself to be under the parked pointer");
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
}

void addViewEvents(Database& db, const QDate& day, const QDate& sunday, int perView)
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
    for (int i = 0; i < perView; ++i) {
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

namespace {

void printLine(const char* name, double target, double ours, double reference, double ratio)
{
    std::printf("bench %s: ours %.1fms reference %.1fms ratio %.2f ", name, ours, reference, ratio);
    if (target == NoTarget)
        std::printf("(reported)\n");
    else
        std::printf("(target <= %g)\n", target);
    std::fflush(stdout);
}

} // namespace

void compareTimed(const char* name, double target, int runs, const std::function<double()>& ours,
                  const std::function<double()>& reference, const std::function<void()>& verify)
{
    ours();
    reference();
    std::vector<double> a, b, ratios;
    for (int i = 0; i < runs; ++i) {
        a.push_back(ours());
        b.push_back(reference());
        ratios.push_back(a.back() / b.back());
    }
    if (verify)
        verify();
    printLine(name, target, median(a), median(b), median(ratios));
}

namespace {

void compareAfter(const char* name, double target, int runs, const std::function<void()>& prepare,
                  const std::function<void()>& ours, const std::function<void()>& reference,
                  const std::function<void()>& verify)
{
    auto timed = [&prepare](const std::function<void()>& work) {
        return [&prepare, &work] {
            if (prepare)
                prepare();
            return millisecondsOf(work);
        };
    };
    compareTimed(name, target, runs, timed(ours), timed(reference), verify);
}

} // namespace

void compare(const char* name, double target, int runs, const std::function<void()>& ours,
             const std::function<void()>& reference, const std::function<void()>& verify)
{
    compareAfter(name, target, runs, {}, ours, reference, verify);
}

void compareBothOrders(const char* name, double target, int runs, const std::function<void()>& ours,
                       const std::function<void()>& reference)
{
    struct Order
    {
        std::vector<double> a, b, ratios;
        void add(double oursTime, double referenceTime)
        {
            a.push_back(oursTime);
            b.push_back(referenceTime);
            ratios.push_back(oursTime / referenceTime);
        }
    } oursFirst, referenceFirst;
    millisecondsOf(ours);
    millisecondsOf(reference);
    for (int i = 0; i < runs; ++i) {
        const double a = millisecondsOf(ours);
        oursFirst.add(a, millisecondsOf(reference));
        const double b = millisecondsOf(reference);
        referenceFirst.add(millisecondsOf(ours), b);
    }
    const Order& worse =
        median(oursFirst.ratios) >= median(referenceFirst.ratios) ? oursFirst : referenceFirst;
    printLine(name, target, median(worse.a), median(worse.b), median(worse.ratios));
}

void compareChanges(const char* name, double target, int runs, const std::function<void()>& prepare,
                    const std::function<void()>& ours, const std::function<void()>& reference)
{
    compareAfter(name, target, runs, prepare, ours, reference, {});
}

TDesktopFrame* showMainWindow()
{
    Application::CreateForm(MainDesktopForm);
    MainDesktopForm->showMaximized();
    waitUntilExposed(MainDesktopForm);
    return MainDesktopForm->DesktopFrame;
}

TDesktopFrame* showFrame(TADOConnection& connection)
{
    auto* frame = new TDesktopFrame(connection, nullptr);
    Application::adopt(frame);
    frame->setGeometry(frame->screen()->availableGeometry());
    frame->show();
    waitUntilExposed(frame);
    frame->InitFrame();
    return frame;
}

int runProgram(int argc, char** argv, const char* name, const char* dataNote,
               const std::function<void(const QString& folder, int runs)>& run)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER [--runs N]\n%s\n", name, dataNote);
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
        std::fprintf(stderr, "%s: %s\n", name, error.what());
        result = 1;
    }
    Application::releaseForms();
    return result;
}

} // namespace bench

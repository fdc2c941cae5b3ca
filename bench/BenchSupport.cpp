#include "bench/BenchSupport.h"

#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "desktop/DesktopFrame.h"
#include "platform/Application.h"
#include "platform/SqlFunctions.h"

#include <QElapsedTimer>
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

void compareAfter(const char* name, double target, int runs, const std::function<void()>& prepare,
                  const std::function<void()>& ours, const std::function<void()>& reference,
                  const std::function<void()>& verify)
{
    auto timed = [&prepare](const std::function<void()>& work) {
        if (prepare)
            prepare();
        return millisecondsOf(work);
    };
    timed(ours);
    timed(reference);
    std::vector<double> a, b, ratios;
    for (int i = 0; i < runs; ++i) {
        a.push_back(timed(ours));
        b.push_back(timed(reference));
        ratios.push_back(a.back() / b.back());
    }
    if (verify)
        verify();
    std::printf("bench %s: ours %.1fms reference %.1fms ratio %.2f (target <= %g)\n", name, median(a),
                median(b), median(ratios), target);
    std::fflush(stdout);
}

} // namespace

void compare(const char* name, double target, int runs, const std::function<void()>& ours,
             const std::function<void()>& reference, const std::function<void()>& verify)
{
    compareAfter(name, target, runs, {}, ours, reference, verify);
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
    while (!MainDesktopForm->windowHandle() || !MainDesktopForm->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return MainDesktopForm->DesktopFrame;
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

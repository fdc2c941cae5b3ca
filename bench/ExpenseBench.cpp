// expense-bench: times the expense list against a bare read of the same rows, in one process,
// alternating the two so that a drift in the machine's speed hits both alike:
//   expense-load  the list loaded in date order with every expense and its total
//                 (target <= 3 times the bare read)
// The bare read runs the loader's select through the SQLite API and touches every value. The
// line reads
//   bench expense-load: ours <ms> reference <ms> ratio <r> (target <= 3)
// with the medians of the two times and of the pairwise ratios.
#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "app/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "platform/Application.h"
#include "platform/SystemInfo.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTreeWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr const char* LoaderSelect = "  Select \n  id, item , amount , paydate  \n  from  expense \n"
                                     " order by paydate desc ";
constexpr int ExpensePage = 4;

// Where the bare read leaves its total, so that the sum is not optimised away.
volatile double g_total = 0;

// The loader's select run to its end, every value read as text and the amounts summed.
int bareRead(sqlite3* db)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, LoaderSelect, -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    int rows = 0;
    double total = 0;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            sqlite3_column_text(stmt, c);
        total += sqlite3_column_double(stmt, 2);
        ++rows;
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        throw std::runtime_error(sqlite3_errmsg(db));
    g_total = total;
    return rows;
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

void run(const QString& folder, int runs)
{
    platform::sys::setProgramFolder(folder);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2((folder + "desktop.mdb").toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw std::runtime_error("cannot open the database: " + message);
    }
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> reference(db, sqlite3_close);
    const int expenses = bareRead(db);

    Application::CreateForm(MainDesktopForm);
    MainDesktopForm->showMaximized();
    while (!MainDesktopForm->windowHandle() || !MainDesktopForm->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    TDesktopFrame* frame = MainDesktopForm->DesktopFrame;
    frame->ToolPageControl->setActivePageIndex(ExpensePage);
    QTreeWidget* list = frame->ExpenseListView;
    // The rows in place and laid out by the view (asking where a row stands makes it lay
    // out now); drawing the visible rows costs the same for any number of rows.
    const auto ours = [&] {
        frame->LoadExpenseList(0);
        list->visualItemRect(list->topLevelItem(0));
    };
    const auto bare = [&] { bareRead(db); };

    ours();
    bare();
    std::vector<double> a, b, ratios;
    for (int i = 0; i < runs; ++i) {
        a.push_back(millisecondsOf(ours));
        b.push_back(millisecondsOf(bare));
        ratios.push_back(a.back() / b.back());
    }
    if (list->topLevelItemCount() != expenses)
        throw std::runtime_error(QString("the list shows %1 of %2 expenses")
                                     .arg(list->topLevelItemCount())
                                     .arg(expenses)
                                     .toStdString());
    std::printf("bench expense-load: ours %.1fms reference %.1fms ratio %.2f (target <= 3)\n", median(a),
                median(b), median(ratios));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: expense-bench PROGRAM_FOLDER [--runs N]\n"
                   "The folder's desktop.mdb should hold the seeded expenses.\n",
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
        std::fprintf(stderr, "expense-bench: %s\n", error.what());
        result = 1;
    }
    Application::releaseForms();
    return result;
}

// address-bench: times the address list against a bare read of the same rows, in one process,
// alternating the two so that a drift in the machine's speed hits both alike:
//   address-load    the list loaded with every entry (target <= 3 times the bare read)
//   address-resort  the list sorted again by another column (target <= the bare read)
// The bare read runs the loader's select through the SQLite API and touches every value. Each
// line reads
//   bench <name>: ours <ms> reference <ms> ratio <r> (target <= <t>)
// with the medians of the two times and of the pairwise ratios.
#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "app/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "platform/Application.h"
#include "platform/SystemInfo.h"

#include <QElapsedTimer>
#include <QTreeWidget>
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

constexpr const char* LoaderSelect =
    "  Select \n  id, FirstName , LastName , Title  \n, CompanyName , Address , City \n"
    ", Zip         , Nation  , OfficePhone \n"
    ", HomePhone   , Fax     , Mobile , Email , Categoryid \n"
    "  from  address \n where categoryid >= -1 ";

class BareReader
{
public:
    explicit BareReader(const QString& path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
            sqlite3_close(m_db);
            throw std::runtime_error(QString("cannot open %1: %2").arg(path, message.c_str()).toStdString());
        }
    }
    ~BareReader() { sqlite3_close(m_db); }
    BareReader(const BareReader&) = delete;
    BareReader& operator=(const BareReader&) = delete;

    // Runs the select to its end, touching every value as a reader would; the number of rows.
    int drain(const char* sql)
    {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
        int rows = 0;
        int rc = SQLITE_OK;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                sqlite3_column_text(stmt, c);
            ++rows;
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE)
            throw std::runtime_error(sqlite3_errmsg(m_db));
        return rows;
    }

private:
    sqlite3* m_db = nullptr;
};

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

void compare(const char* name, double target, int runs, const std::function<void()>& ours,
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
                median(b), median(ratios), target);
    std::fflush(stdout);
}

void run(const QString& folder, int runs)
{
    platform::sys::setProgramFolder(folder);
    BareReader reference(folder + "desktop.mdb");
    const int entries = reference.drain(LoaderSelect);

    Application::CreateForm(MainDesktopForm);
    MainDesktopForm->showMaximized();
    while (!MainDesktopForm->windowHandle() || !MainDesktopForm->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    TDesktopFrame* frame = MainDesktopForm->DesktopFrame;
    frame->AddressSpeedButtonClick();
    frame->ToolPageControl->setActivePageIndex(2);
    QTreeWidget* list = frame->AddressListView;
    // The rows in place and laid out by the view (the view lays out lazily, before it paints;
    // asking where a row stands makes it do so now). Drawing the visible rows costs the same
    // for any number of rows and is left out.
    auto show = [list] { list->visualItemRect(list->topLevelItem(0)); };

    compare(
        "address-load", 3, runs,
        [&] {
            frame->LoadAddressList(-1);
            show();
        },
        [&] { reference.drain(LoaderSelect); });
    if (list->topLevelItemCount() != entries)
        throw std::runtime_error(QString("the list shows %1 of %2 entries")
                                     .arg(list->topLevelItemCount())
                                     .arg(entries)
                                     .toStdString());

    // Every run sorts by a column other than the one the list stands in.
    list->topLevelItem(entries / 2)->setSelected(true);
    int turn = 0;
    compare(
        "address-resort", 1, runs,
        [&] {
            frame->AddressListViewColumnClick(++turn % 2 ? 1 : 7);
            show();
        },
        [&] { reference.drain(LoaderSelect); });
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: address-bench PROGRAM_FOLDER [--runs N]\n"
                   "The folder's desktop.mdb should hold the seeded addresses.\n",
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
        std::fprintf(stderr, "address-bench: %s\n", error.what());
        result = 1;
    }
    Application::releaseForms();
    return result;
}

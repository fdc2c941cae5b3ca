// expense-bench: times the expense list against a bare read of the same rows, in one process,
// alternating the two so that a drift in the machine's speed hits both alike:
//   expense-load  the list loaded in date order with every expense and its total
//                 (target <= 3 times the bare read)
// The bare read runs the loader's select through the SQLite API and touches every value. The
// line reads
//   bench expense-load: ours <ms> reference <ms> ratio <r> (target <= 3)
// with the medians of the two times and of the pairwise ratios.
#include "bench/BenchSupport.h"
#include "common/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "platform/SystemInfo.h"

#include <QTreeWidget>
#include <stdexcept>

namespace {

const QByteArray LoaderSelect = "  Select \n  id, item , amount , paydate  \n  from  expense \n"
                                " order by paydate desc ";
constexpr int ExpensePage = 4;

// Where the bare read leaves its total, so that the sum is not optimised away.
volatile double g_total = 0;

// The loader's select run to its end, every value read as text and the amounts summed.
int bareRead(bench::Database& db)
{
    double total = 0;
    const int rows =
        db.drain(LoaderSelect, [&total](sqlite3_stmt* stmt) { total += sqlite3_column_double(stmt, 2); });
    g_total = total;
    return rows;
}

void run(const QString& folder, int runs)
{
    platform::sys::setProgramFolder(folder);
    bench::Database reference(folder + "desktop.mdb", bench::Database::Access::ReadOnly);
    const int expenses = bareRead(reference);

    TDesktopFrame* frame = bench::showMainWindow();
    frame->ToolPageControl->setActivePageIndex(ExpensePage);
    QTreeWidget* list = frame->ExpenseListView;
    // The rows in place and laid out by the view (asking where a row stands makes it lay
    // out now); drawing the visible rows costs the same for any number of rows.
    bench::compare(
        "expense-load", 3, runs,
        [&] {
            frame->LoadExpenseList(0);
            list->visualItemRect(list->topLevelItem(0));
        },
        [&] { bareRead(reference); },
        [&] {
            if (list->topLevelItemCount() != expenses)
                throw std::runtime_error(QString("the list shows %1 of %2 expenses")
                                             .arg(list->topLevelItemCount())
                                             .arg(expenses)
                                             .toStdString());
        });
}

} // namespace

int main(int argc, char** argv)
{
    return bench::runProgram(argc, argv, "expense-bench",
                             "The folder's desktop.mdb should hold the seeded expenses.", run);
}

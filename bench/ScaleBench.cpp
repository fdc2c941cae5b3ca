// scale-bench: times the rebuild of the day view and of the week view on a large database
// (FOLDER/desktop.mdb, 100,000 events) against the same rebuild on a small one
// (FOLDER/small/desktop.mdb, 1,000 events), in one process, alternating the two and which goes
// first, reporting the order that favours the small one: a view's cost must not grow with the
// number of stored events. Both get the same 50 events a view first.
//   bench day-view-scale: ours <ms> reference <ms> ratio <r> (target <= 1.3)
//   bench week-view-scale: ...
#include "bench/BenchSupport.h"
#include "common/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "platform/Database.h"
#include "platform/SystemInfo.h"

#include <QCoreApplication>
#include <QDate>
#include <utility>

namespace {

constexpr double Target = 1.3;
constexpr int EventsPerView = 50;

void run(const QString& folder, int runs)
{
    platform::sys::setProgramFolder(folder);
    const QString smallPath = folder + "small/desktop.mdb";
    const QDate day = QDate::currentDate().addYears(2);
    const QDate sunday = day.addDays(14 - day.dayOfWeek() % 7);
    for (const QString& path : {folder + "desktop.mdb", smallPath}) {
        bench::Database db(path, bench::Database::Access::ReadWrite);
        bench::addViewEvents(db, day, sunday, EventsPerView);
    }

    // Two frames alike, each in a window of its own on its own connection.
    TADOConnection largeConnection, smallConnection;
    for (auto [connection, path] :
         {std::pair{&largeConnection, folder + "desktop.mdb"}, {&smallConnection, smallPath}}) {
        connection->ConnectionString = "DRIVER={Microsoft Access Driver (*.mdb)};dbq=" + path;
        connection->Open();
    }
    TDesktopFrame* large = bench::showFrame(largeConnection);
    TDesktopFrame* small = bench::showFrame(smallConnection);

    auto settle = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); };
    auto dayView = [&](TDesktopFrame* frame) {
        return [frame, day, settle] {
            frame->ClearDayEvents();
            frame->BuildDayView(day);
            settle();
        };
    };
    bench::compareBothOrders("day-view-scale", Target, runs, dayView(large), dayView(small));

    auto weekView = [&](TDesktopFrame* frame) {
        frame->ToolPageControl->setActivePageIndex(1);
        return [frame, sunday, settle] {
            frame->ClearWeekEvents();
            frame->BuildWeekView(sunday);
            settle();
        };
    };
    bench::compareBothOrders("week-view-scale", Target, runs, weekView(large), weekView(small));
}

} // namespace

int main(int argc, char** argv)
{
    return bench::runProgram(
        argc, argv, "scale-bench",
        "FOLDER/desktop.mdb should hold 100,000 events and FOLDER/small/desktop.mdb 1,000.", run);
}

// view-bench: times the rebuild of the day view and of the week view against the bare queries
// that feed them, in one process, alternating the two so that a drift in the machine's speed
// hits both alike. It first gives one day, and one week further on, 50 events each (outside the
// two years the seeder fills), then prints for each view
//   bench <name>: ours <ms> reference <ms> ratio <r> (target <= 3)
// with the medians of the two times and of the pairwise ratios.
#include "bench/BenchSupport.h"
#include "common/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "platform/Locale.h"
#include "platform/SystemInfo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace {

constexpr double Target = 3.0;
constexpr int EventsPerView = 50;

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

void run(const QString& folder, int runs)
{
    platform::sys::setProgramFolder(folder);
    const QDate day = QDate::currentDate().addYears(2);
    const QDate sunday = day.addDays(14 - day.dayOfWeek() % 7);
    bench::Database reference(folder + "desktop.mdb", bench::Database::Access::ReadWrite);
    bench::addViewEvents(reference, day, sunday, EventsPerView);

    TDesktopFrame* frame = bench::showMainWindow();

    // A rebuild includes freeing the memos of the one before.
    auto settle = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); };
    const QByteArray daySql = dayQuery(day);
    bench::compare(
        "day-view", Target, runs,
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
    bench::compare(
        "week-view", Target, runs,
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
    return bench::runProgram(argc, argv, "view-bench",
                             "The folder's desktop.mdb should hold the seeded events; 100 more are put in.",
                             run);
}

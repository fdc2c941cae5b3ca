// tab-click-bench: times a click on the Week tab, and one on the Day tab, to the view painted on
// a diary seeded with many events around today, against the same click on a week and a day with
// no events (twenty years on), in one process, alternating the two. The lines are named after
// the program folder (e.g. "tab-click-15-a-day"):
//   bench week-<folder>: ours <ms> reference <ms> ratio <r> (reported)
//   bench day-<folder>: ...
// The figures carry no target yet.
#include "bench/BenchSupport.h"
#include "common/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "platform/SystemInfo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollArea>
#include <cstdio>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace {

constexpr int DayPage = 0;
constexpr int WeekPage = 1;

// Notes when anything within a widget is painted: a widget wholly covered by its children gets
// no paint event of its own.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget* area) : m_area(area) { qApp->installEventFilter(this); }
    bool painted = false;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            (watched == m_area || m_area->isAncestorOf(static_cast<QWidget*>(watched))))
            painted = true;
        return false;
    }

private:
    QWidget* m_area;
};

// Clicks the tab of `page` and returns once the page's scroll box has been painted: the event
// that paints it paints and flushes the whole frame. The memos the rebuild let go are freed
// first, as the event loop would before it paints.
void clickTab(TDesktopFrame* frame, int page)
{
    QScrollArea* view = page == DayPage ? frame->EventScrollBox : frame->WeekScrollBox;
    const PaintWatch watch(view->viewport());
    frame->ToolPageControl->tabButton(page)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents();
    QElapsedTimer waited;
    waited.start();
    while (!watch.painted) {
        if (waited.elapsed() > 10'000)
            throw std::runtime_error("the view was not painted after a click on its tab");
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
}

void run(const QString& folder, int runs)
{
    platform::sys::setProgramFolder(folder);
    TDesktopFrame* frame = bench::showMainWindow();
    const QDate busy = QDate::currentDate();
    const QDate empty = busy.addYears(20);
    const QString name = QDir(folder).dirName();

    // Each side starts, untimed, on the other page with both views built for its own date, as
    // after the user's own earlier visit: the timed click clears as many memos as it makes.
    auto clickFrom = [frame](int from, int to, const QDate& date) {
        return [frame, from, to, date] {
            frame->FCurrentDate = date;
            if (frame->ToolPageControl->ActivePageIndex() == to)
                clickTab(frame, from);
            clickTab(frame, to);
            clickTab(frame, from);
            return bench::millisecondsOf([frame, to] { clickTab(frame, to); });
        };
    };
    for (auto [page, from, label] : {std::tuple{WeekPage, DayPage, "week-"}, {DayPage, WeekPage, "day-"}}) {
        const QByteArray line = (label + name).toUtf8();
        bench::compareTimed(line.constData(), bench::NoTarget, runs, clickFrom(from, page, busy),
                            clickFrom(from, page, empty));
    }
    // The busy date's views as a click shows them: events on both, and the empty date's none.
    auto shown = [frame](const QDate& date) {
        frame->FCurrentDate = date;
        clickTab(frame, WeekPage);
        size_t week = 0;
        for (const std::vector<TEventMemo*>& day : frame->FWeekMemos)
            week += day.size();
        clickTab(frame, DayPage);
        return std::pair(frame->FDayMemos.size(), week);
    };
    const auto [busyDay, busyWeek] = shown(busy);
    std::printf("%s: %zu events on the busy day, %zu in its week\n", qPrintable(name), busyDay, busyWeek);
    if (busyDay == 0 || busyWeek == 0 || shown(empty) != std::pair<size_t, size_t>(0, 0))
        throw std::runtime_error("the busy day or week shows no events, or the empty ones show some");
}

} // namespace

int main(int argc, char** argv)
{
    return bench::runProgram(argc, argv, "tab-click-bench",
                             "The folder's desktop.mdb should hold events seeded around today.", run);
}

// view-bench: times the rebuild of the day view and of the week view, each to its viewport
// painted, against the least a view of one widget per event can cost: the statement the views
// run, and one plain text label per event made, placed, shown and painted in a scroll area of
// the view's size. The two alternate in one process, so that a drift in the machine's speed hits
// both alike. It first gives one day, and one week further on, 50 events each (outside the two
// years the seeder fills), then prints for each view
//   bench <name>: ours <ms> reference <ms> ratio <r> (target <= 2)
// with the medians of the two times and of the pairwise ratios.
#include "bench/BenchSupport.h"
#include "common/statements/EventStatements.h"
#include "common/widgets/TDrawGrid.h"
#include "common/widgets/TPageControl.h"
#include "desktop/CalendarViews.h"
#include "desktop/DesktopFrame.h"
#include "platform/Database.h"
#include "platform/SystemInfo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <functional>
#include <stdexcept>
#include <vector>

namespace {

constexpr double Target = 2.0;
constexpr int EventsPerView = 50;

// The statement the views run for one day, as they write it, with the date they bind.
struct DayStatement
{
    QByteArray sql;
    QByteArray date;
};

DayStatement dayStatement(const QDate& day)
{
    TADOQuery query;
    eventstatements::setDaySelect(query, day);
    QString sql = query.SQL.Text();
    sql.replace(":d", "?1");
    return {sql.toUtf8(), day.toString(Qt::ISODate).toUtf8()};
}

// Minutes since midnight of a stored "yyyy-MM-dd hh:mm:ss".
int minuteOf(const unsigned char* stamp)
{
    auto digit = [stamp](int i) { return stamp[i] - '0'; };
    return (digit(11) * 10 + digit(12)) * 60 + digit(14) * 10 + digit(15);
}

// The reference: a scroll area of the view's size whose content holds one label per event of
// each day, in the day's column, from its start to its end.
class LabelView
{
public:
    LabelView(bench::Database& db, QSize size, int left) : m_db(db), m_left(left)
    {
        m_area.resize(size);
        m_area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_content = new QWidget;
        m_content->resize(size.width(), calendarview::ContentHeight);
        m_area.setWidget(m_content);
        m_area.show();
        bench::waitUntilExposed(&m_area);
    }

    void show(const std::vector<DayStatement>& days, int columnWidth)
    {
        // Hidden while it changes, as the views do, so that Qt looks for the widget under the
        // mouse once rather than at every label.
        m_content->hide();
        qDeleteAll(m_labels);
        m_labels.clear();
        for (size_t d = 0; d < days.size(); ++d) {
            const int left = m_left + static_cast<int>(d) * columnWidth;
            m_db.drain(days[d].sql, {days[d].date}, [&](sqlite3_stmt* stmt) {
                const int start = minuteOf(sqlite3_column_text(stmt, 1));
                const int end = minuteOf(sqlite3_column_text(stmt, 2));
                auto* label = new QLabel(m_content);
                label->setTextFormat(Qt::PlainText);
                label->setText(
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3))));
                label->setGeometry(left, start * calendarview::HourHeight / 60, columnWidth,
                                   std::max(end - start, 30) * calendarview::HourHeight / 60);
                label->show();
                m_labels.push_back(label);
            });
        }
        m_content->show();
        m_area.viewport()->repaint();
    }

    size_t count() const { return m_labels.size(); }

private:
    bench::Database& m_db;
    int m_left;
    QScrollArea m_area;
    QWidget* m_content;
    std::vector<QLabel*> m_labels;
};

void expectShown(const char* view, size_t ours, size_t reference)
{
    if (ours != EventsPerView || reference != EventsPerView)
        throw std::runtime_error(QString("the %1 shows %2 events and the reference %3")
                                     .arg(view)
                                     .arg(ours)
                                     .arg(reference)
                                     .toStdString());
}

void run(const QString& folder, int runs)
{
    platform::sys::setProgramFolder(folder);
    const QDate day = QDate::currentDate().addYears(2);
    const QDate sunday = day.addDays(14 - day.dayOfWeek() % 7);
    bench::Database reference(folder + "desktop.mdb", bench::Database::Access::ReadWrite);
    bench::addViewEvents(reference, day, sunday, EventsPerView);

    TDesktopFrame* frame = bench::showMainWindow();
    const int hourColumn = frame->DateStringGrid->width();

    // A rebuild includes freeing the memos of the one before.
    auto settle = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); };
    // Each side is timed to its viewport painted, with the pointer over neither window; what it
    // left posted is then handled, untimed, as the event loop would, so that neither side's
    // events pile up for the next run to sort.
    auto thenIdle = [](const std::function<void()>& work) {
        return [work] {
            bench::parkPointerOutsideWindows();
            const double ms = bench::millisecondsOf(work);
            QCoreApplication::sendPostedEvents();
            return ms;
        };
    };
    LabelView dayLabels(reference, frame->EventScrollBox->size(), hourColumn);
    const std::vector<DayStatement> dayOnly = {dayStatement(day)};
    const int dayWidth = frame->EventScrollBox->viewport()->width() - hourColumn;
    bench::compareTimed("day-view", Target, runs, thenIdle([&] {
                            frame->ClearDayEvents();
                            frame->BuildDayView(day);
                            settle();
                            frame->EventScrollBox->viewport()->repaint();
                        }),
                        thenIdle([&] { dayLabels.show(dayOnly, dayWidth); }),
                        [&] { expectShown("day view", frame->FDayMemos.size(), dayLabels.count()); });

    frame->ToolPageControl->setActivePageIndex(1);
    std::vector<DayStatement> week;
    for (int d = 0; d < 7; ++d)
        week.push_back(dayStatement(sunday.addDays(d)));
    LabelView weekLabels(reference, frame->WeekScrollBox->size(), frame->WeekTimeStringGrid->width());
    bench::compareTimed("week-view", Target, runs, thenIdle([&] {
                            frame->ClearWeekEvents();
                            frame->BuildWeekView(sunday);
                            settle();
                            frame->WeekScrollBox->viewport()->repaint();
                        }),
                        thenIdle([&] { weekLabels.show(week, frame->WeekDateStringGrid->colWidth(1)); }),
                        [&] {
                            size_t memos = 0;
                            for (const std::vector<TEventMemo*>& day : frame->FWeekMemos)
                                memos += day.size();
                            expectShown("week view", memos, weekLabels.count());
                        });
}

} // namespace

int main(int argc, char** argv)
{
    return bench::runProgram(argc, argv, "view-bench",
                             "The folder's desktop.mdb should hold the seeded events; 100 more are put in.",
                             run);
}

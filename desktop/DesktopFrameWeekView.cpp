// The week view: the Sunday-to-Saturday week of the current date, each day's events laid out
// as in the day view within the day's column.
#include "common/MonthGrid.h"
#include "common/NameTables.h"
#include "common/SharedTexts.h"
#include "common/widgets/TDrawGrid.h"
#include "common/widgets/TPageControl.h"
#include "desktop/CalendarViews.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DesktopStarts.h"
#include "desktop/EventMemo.h"
#include "desktop/EventWatcher.h"
#include "desktop/ShapeCanvas.h"
#include "desktop/ViewColours.h"
#include "platform/Application.h"
#include "platform/Locale.h"

#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QToolButton>
#include <algorithm>

using calendarview::HalfHourHeight;
using calendarview::HourHeight;
using calendarview::weekStartOf;

namespace {
constexpr int MemosPerDayTag = 1000;
} // namespace

void TDesktopFrame::connectWeekViewEvents()
{
    connect(PriorSpeedButton, &QToolButton::clicked, this,
            guarded(this, &TDesktopFrame::PriorSpeedButtonClick));
    connect(NextSpeedButton, &QToolButton::clicked, this,
            guarded(this, &TDesktopFrame::NextSpeedButtonClick));
    WeekDateStringGrid->setDrawCell([this](QPainter& painter, int col, int row, const QRect& rect) {
        WeekDateStringGridDrawCell(painter, col, row, rect);
    });
    WeekTimeStringGrid->setDrawCell([this](QPainter& painter, int col, int row, const QRect& rect) {
        WeekTimeStringGridDrawCell(painter, col, row, rect);
    });
    for (TDrawGrid* grid : {WeekDateStringGrid, WeekTimeStringGrid})
        connect(grid, &TDrawGrid::selectCell, this,
                guarded(this, &TDesktopFrame::WeekDateStringGridSelectCell));
    // The scroll box is sized after the header, so by then both have their new widths.
    new EventWatcher(WeekScrollBox, QEvent::Resize, [this] { layoutWeekColumns(); });
}

void TDesktopFrame::createWeekCells()
{
    const QColor pen(Qt::white);
    for (auto [brush, height] : {std::pair{viewcolours::WeekFullCell, HourHeight},
                                 std::pair{viewcolours::WeekHalfCell, HalfHourHeight}}) {
        for (int day = 0; day < 7; ++day) {
            const int width = WeekDateStringGrid->colWidth(day + 1);
            for (int row = 0; row < 24; ++row)
                FWeekShapes->add(QRect(weekDayLeft(day), row * HourHeight, width, height), QColor(brush),
                                 pen);
        }
    }
}

int TDesktopFrame::weekDayLeft(int day) const
{
    // The header's own cells give the edges, so that header, cells and events agree.
    return WeekTimeStringGrid->width() + WeekDateStringGrid->cellRect(day + 1, 0).x() -
           WeekDateStringGrid->cellRect(1, 0).x();
}

void TDesktopFrame::layoutWeekColumns()
{
    WeekDateStringGrid->setColWidth(0, 70);
    // 18 pixels are left for the week's vertical scroll bar.
    const int dayWidth = (WeekDateStringGrid->width() - 70 - 18) / 7;
    for (int col = 1; col <= 7; ++col)
        WeekDateStringGrid->setColWidth(col, dayWidth);
    WeekScrollContent->resize(WeekScrollBox->width(), calendarview::ContentHeight);
    FWeekShapes->resize(WeekScrollContent->size());
    // Cells and events made for the columns as they stand need nothing more; those made for an
    // earlier width are made again, and moved, where the columns now stand.
    const std::vector<TShapeCanvas::Shape>& cells = FWeekShapes->shapes();
    if (cells.empty() || (cells[0].rect.x() == weekDayLeft(0) && cells[0].rect.width() == dayWidth))
        return;
    FWeekShapes->clear();
    createWeekCells();
    for (int day = 0; day < 7; ++day)
        for (size_t i = 0; i < FWeekMemos[day].size(); ++i) {
            const TEventRec& record = FWeekEvents[day][i];
            calendarview::placeHorizontally(FWeekMemos[day][i], record, record.depth, weekDayLeft(day),
                                            dayWidth);
        }
}

void TDesktopFrame::BuildWeekView(const QDate& date)
{
    const QDate sunday = weekStartOf(date);
    WeekLabel->setText(platform::locale::dateToStr(sunday) + "-" +
                       platform::locale::dateToStr(sunday.addDays(6)));
    WeekSelectPanel->setText(QString::number(sunday.weekNumber()) + " Week");
    WeekDateStringGrid->update();

    // FFirstCellDate serves as the running day and ends a week past the Sunday; whoever reads it
    // next computes it afresh.
    FFirstCellDate = sunday;
    for (int day = 0; day < 7; ++day) {
        const int width = WeekDateStringGrid->colWidth(day + 1);
        std::vector<TEventRec>& records = FWeekEvents[day];
        std::vector<TEventMemo*>& memos = FWeekMemos[day];
        const int count = LoadDayEvents(records, FFirstCellDate);
        LayoutOverlaps(count, records);
        memos.reserve(memos.size() + static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            TEventMemo* memo =
                calendarview::createEventMemo(WeekScrollContent, records[i], day * MemosPerDayTag + i);
            records[i].depth = records[i].columnCount < 2 ? 0 : EventTreeView.depth(i);
            calendarview::placeHorizontally(memo, records[i], records[i].depth, weekDayLeft(day), width);
            connect(memo, &TEventMemo::doubleClicked, this,
                    guarded(this, &TDesktopFrame::WeekEventButtonDbClick));
            memos.push_back(memo);
        }
        ClearEventTree();
        FFirstCellDate = FFirstCellDate.addDays(1);
    }
    calendarview::ContainerHidden batch(WeekScrollContent);
    for (const std::vector<TEventMemo*>& memos : FWeekMemos)
        for (TEventMemo* memo : memos) {
            memo->setEnabled(true);
            memo->show();
        }
}

void TDesktopFrame::ClearWeekEvents()
{
    calendarview::ContainerHidden batch(WeekScrollContent);
    for (int day = 0; day < 7; ++day) {
        for (TEventMemo* memo : FWeekMemos[day]) {
            memo->hide();
            memo->deleteLater();
        }
        FWeekMemos[day].clear();
        FWeekEvents[day].clear();
    }
    ClearEventTree();
}

void TDesktopFrame::NextSpeedButtonClick()
{
    // The week arrows stop where the calendars' days end.
    if (!MonthGrid::selectable(FCurrentDate.addDays(7)))
        return;
    FCurrentDate = FCurrentDate.addDays(7);
    ClearWeekEvents();
    BuildWeekView(FCurrentDate);
}

void TDesktopFrame::PriorSpeedButtonClick()
{
    if (!MonthGrid::selectable(FCurrentDate.addDays(-7)))
        return;
    FCurrentDate = FCurrentDate.addDays(-7);
    ClearWeekEvents();
    BuildWeekView(FCurrentDate);
}

void TDesktopFrame::WeekDateStringGridDrawCell(QPainter& painter, int ACol, int, const QRect& Rect)
{
    painter.fillRect(Rect, QColor(viewcolours::WeekHeader));
    if (ACol == 0)
        return;
    SetCalendarCaptions();
    const QDate date = weekStartOf(FCurrentDate).addDays(ACol - 1);
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(date == FCurrentDate ? QColor(viewcolours::WeekHeaderToday) : QColor(Qt::white));
    const QString text = DayNames[ACol] + "(" + QString::number(date.day()) + ")";
    const QFontMetrics metrics(font);
    const int x = (Rect.x() + Rect.x() + Rect.width() - metrics.horizontalAdvance(text)) / 2;
    painter.drawText(x, Rect.y() + 5 + metrics.ascent(), text);
}

void TDesktopFrame::WeekTimeStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect)
{
    calendarview::drawHourCell(painter, ACol, ARow, Rect, 0);
}

// A click on the week grids only moves their own focus cell.
void TDesktopFrame::WeekDateStringGridSelectCell(int, int, bool*) {}

void TDesktopFrame::WeekEventButtonDbClick(TEventMemo* Sender)
{
    // The memo's place in its day's list names the event; its Tag would run into the next
    // day's for a day of a thousand events.
    int day = -1;
    size_t index = 0;
    for (int d = 0; d < 7 && day < 0; ++d) {
        const auto found = std::find(FWeekMemos[d].begin(), FWeekMemos[d].end(), Sender);
        if (found != FWeekMemos[d].end()) {
            day = d;
            index = static_cast<size_t>(found - FWeekMemos[d].begin());
        }
    }
    if (day < 0)
        return;
    const TEventRec record = FWeekEvents[day].at(index);

    // The editor is made while the frame still shows the week's day it was on.
    const QDate chosen = weekStartOf(FCurrentDate).addDays(day);
    starts().editWeekMemo(chosen, record);
    FCurrentDate = chosen;

    LocateCurrentCell();
    ClearDayEvents();
    BuildDayView(FCurrentDate);
    // Set by code, the page changes without the page-change handler.
    ToolPageControl->setActivePageIndex(0);
}

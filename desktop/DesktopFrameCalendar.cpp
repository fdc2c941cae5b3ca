#include "common/MonthCalendar.h"
#include "common/MonthCalendarGrid.h"
#include "common/MonthCalendarWiring.h"
#include "common/widgets/TDrawGrid.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DesktopStarts.h"
#include "platform/Application.h"
#include "platform/Clock.h"

#include <QPushButton>

void TDesktopFrame::connectCalendarEvents()
{
    connectMonthCalendar(this, MonthCalendar,
                         {.drawCell = &TDesktopFrame::CalStringGridDrawCell,
                          .selectCell = &TDesktopFrame::CalStringGridSelectCell,
                          .gridMouseUp = &TDesktopFrame::CalStringGridMouseUp,
                          .leftArrow = &TDesktopFrame::CalLeftSpeedButtonMouseUp,
                          .rightArrow = &TDesktopFrame::CalRightSpeedButtonMouseUp,
                          .monthButton = &TDesktopFrame::CalMonthSpeedButtonMouseUp,
                          .yearButton = &TDesktopFrame::CalYearSpeedButtonMouseUp,
                          .monthItem = &TDesktopFrame::MonthPopupClick,
                          .yearItem = &TDesktopFrame::YearPopupClick});
    connect(ToDayButton, &QPushButton::clicked, this, guarded(this, &TDesktopFrame::ToDayButtonClick));
    connect(GoToButton, &QPushButton::clicked, this, guarded(this, &TDesktopFrame::GoToButtonClick));
}

void TDesktopFrame::BuildMonthCells()
{
    FFirstCellDate = MonthGrid::firstCellDate(FCurrentDate);
    FSelRow = 0;
    FSelCol = 0;
    FCellDates = MonthGrid::cellDates(FFirstCellDate);
}

void TDesktopFrame::LocateCurrentCell()
{
    BuildMonthCells();
    const MonthGrid::CellPos cell = MonthGrid::locate(FCellDates, FCurrentDate);
    FSelRow = cell.row;
    FSelCol = cell.col;
}

void TDesktopFrame::SetCalendarCaptions()
{
    MonthCalendar->setCaptions(FCurrentDate);
}

void TDesktopFrame::RepaintCalendar()
{
    SetCalendarCaptions();
    CalStringGrid->update();
}

void TDesktopFrame::refreshAfterDateChange()
{
    RepaintCalendar();
    DateStringGrid->update();
    ClearDayEvents();
    BuildDayView(FCurrentDate);
}

void TDesktopFrame::CalStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect)
{
    SetCalendarCaptions();
    MonthCalendar->drawCell(painter, ACol, ARow, Rect, FCellDates, FCurrentDate, FSelRow, FSelCol);
}

void TDesktopFrame::CalStringGridSelectCell(int ACol, int ARow, bool* CanSelect)
{
    if (ARow == 0) {
        *CanSelect = false;
        return;
    }
    const QDate date = FCellDates[MonthGrid::cellIndex(ACol, ARow)];
    // A day past the calendar's last or before its first does nothing.
    if (!MonthGrid::selectable(date)) {
        *CanSelect = false;
        return;
    }
    if (date == FCurrentDate)
        return;
    // A day of the shown month only moves the mark; a grey day brings its own month.
    const bool shownMonth = date.month() == FCurrentDate.month();
    FCurrentDate = date;
    if (shownMonth) {
        FSelRow = ARow;
        FSelCol = ACol;
    } else {
        LocateCurrentCell();
    }
    refreshAfterDateChange();
}

void TDesktopFrame::CalStringGridMouseUp()
{
    CalStringGrid->setCurrentCell(FSelCol, FSelRow);
}

void TDesktopFrame::shiftCurrentDate(int months)
{
    FCurrentDate = MonthGrid::addMonths(FCurrentDate, months);
    SetCalendarCaptions();
    LocateCurrentCell();
    refreshAfterDateChange();
}

void TDesktopFrame::CalLeftSpeedButtonMouseUp()
{
    shiftCurrentDate(-1);
}

void TDesktopFrame::CalRightSpeedButtonMouseUp()
{
    shiftCurrentDate(1);
}

void TDesktopFrame::CalMonthSpeedButtonMouseUp()
{
    MonthCalendar->openMonthPopup(FCurrentDate);
}

void TDesktopFrame::CalYearSpeedButtonMouseUp()
{
    MonthCalendar->openYearPopup(FCurrentDate);
}

void TDesktopFrame::MonthPopupClick(QObject* Sender)
{
    if (const std::optional<int> tag = TMonthCalendar::popupTag(Sender))
        shiftCurrentDate(*tag);
}

void TDesktopFrame::YearPopupClick(QObject* Sender)
{
    if (const std::optional<int> tag = TMonthCalendar::popupTag(Sender))
        shiftCurrentDate(12 * *tag);
}

void TDesktopFrame::ToDayButtonClick()
{
    FCurrentDate = platform::clock::today();
    LocateCurrentCell();
    refreshAfterDateChange();
}

void TDesktopFrame::GoToButtonClick()
{
    // The dialog reads and writes the frame's calendar itself.
    starts().goToDay();
}

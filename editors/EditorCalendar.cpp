#include "editors/EditorCalendar.h"

#include "common/MonthCalendar.h"
#include "common/MonthCalendarGrid.h"
#include "desktop/DesktopFrame.h"

void TEditorCalendar::BuildMonthCells()
{
    FFirstCellDate = MonthGrid::firstCellDate(FCurrentDate);
    FSelRow = 0;
    FSelCol = 0;
    FCellDates = MonthGrid::cellDates(FFirstCellDate);
}

void TEditorCalendar::LocateCurrentCell()
{
    BuildMonthCells();
    const MonthGrid::CellPos cell = MonthGrid::locate(FCellDates, FCurrentDate);
    FSelRow = cell.row;
    FSelCol = cell.col;
}

void TEditorCalendar::startFrom(const TDesktopFrame& frame)
{
    FFirstCellDate = frame.FFirstCellDate;
    FCurrentDate = frame.FCurrentDate;
    FSelRow = frame.FSelRow;
    FSelCol = frame.FSelCol;
    LocateCurrentCell();
    CalStringGrid->update();
}

TEditorCalendar::CellChoice TEditorCalendar::chooseCell(int col, int row, bool* canSelect)
{
    if (row == 0) {
        *canSelect = false;
        return CellChoice::Refused;
    }
    const QDate date = FCellDates[MonthGrid::cellIndex(col, row)];
    // A day past the calendar's last or before its first does nothing.
    if (!MonthGrid::selectable(date)) {
        *canSelect = false;
        return CellChoice::Refused;
    }
    const bool shownMonth = date.month() == FCurrentDate.month();
    FCurrentDate = date;
    if (!shownMonth)
        return CellChoice::OtherMonth;
    FSelRow = row;
    FSelCol = col;
    return CellChoice::ShownMonth;
}

void TEditorCalendar::drawCell(QPainter& painter, int col, int row, const QRect& rect)
{
    MonthCalendar->setCaptions(FCurrentDate);
    MonthCalendar->drawCell(painter, col, row, rect, FCellDates, FCurrentDate, FSelRow, FSelCol);
}

void TEditorCalendar::moveGridCursor()
{
    CalStringGrid->setCurrentCell(FSelCol, FSelRow);
}

void TEditorCalendar::shiftMonths(int months)
{
    FCurrentDate = MonthGrid::addMonths(FCurrentDate, months);
    MonthCalendar->setCaptions(FCurrentDate);
    LocateCurrentCell();
    CalStringGrid->update();
}

void TEditorCalendar::openMonthPopup()
{
    MonthCalendar->openMonthPopup(FCurrentDate);
}

void TEditorCalendar::openYearPopup()
{
    MonthCalendar->openYearPopup(FCurrentDate);
}

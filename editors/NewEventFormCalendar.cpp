// The event editor's month mini-calendar: a chosen day, an arrow or a popup choice moves the
// editor's own current date, and the day picker follows it.
#include "desktop/MonthCalendar.h"
#include "desktop/MonthCalendarGrid.h"
#include "editors/NewEventForm.h"

#include <QAction>
#include <QSignalBlocker>

void TNewEventForm::BuildMonthCells()
{
    FFirstCellDate = MonthGrid::firstCellDate(FCurrentDate);
    FSelRow = 0;
    FSelCol = 0;
    FCellDates = MonthGrid::cellDates(FFirstCellDate);
}

void TNewEventForm::LocateCurrentCell()
{
    BuildMonthCells();
    const MonthGrid::CellPos cell = MonthGrid::locate(FCellDates, FCurrentDate);
    FSelRow = cell.row;
    FSelCol = cell.col;
}

void TNewEventForm::setSelectDate(const QDate& date)
{
    const QSignalBlocker quiet(SelectDatePicker);
    SelectDatePicker->setDate(date);
}

void TNewEventForm::CalStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect)
{
    MonthCalendar->setCaptions(FCurrentDate);
    MonthCalendar->drawCell(painter, ACol, ARow, Rect, FCellDates, FCurrentDate, FSelRow, FSelCol);
}

void TNewEventForm::CalStringGridSelectCell(int ACol, int ARow, bool* CanSelect)
{
    if (ARow == 0) {
        *CanSelect = false;
        return;
    }
    // Also the day already chosen: the picker may have moved away from it since.
    const QDate date = FCellDates[MonthGrid::cellIndex(ACol, ARow)];
    const bool shownMonth = date.month() == FCurrentDate.month();
    FCurrentDate = date;
    if (shownMonth) {
        FSelRow = ARow;
        FSelCol = ACol;
    } else {
        LocateCurrentCell();
    }
    setSelectDate(FCurrentDate);
    CalStringGrid->update();
}

void TNewEventForm::CalStringGridMouseUp()
{
    CalStringGrid->setCurrentCell(FSelCol, FSelRow);
}

void TNewEventForm::shiftCurrentDate(int months)
{
    FCurrentDate = MonthGrid::addMonths(FCurrentDate, months);
    MonthCalendar->setCaptions(FCurrentDate);
    LocateCurrentCell();
    setSelectDate(FCurrentDate);
    CalStringGrid->update();
}

void TNewEventForm::CalLeftSpeedButtonMouseUp()
{
    shiftCurrentDate(-1);
}

void TNewEventForm::RightSpeedButtonMouseUp()
{
    shiftCurrentDate(1);
}

void TNewEventForm::CalMonthSpeedButtonMouseUp()
{
    MonthCalendar->fillMonthPopup(FCurrentDate);
    MonthCalendar->popupMonthMenu();
}

void TNewEventForm::CalYearSpeedButtonMouseUp()
{
    MonthCalendar->fillYearPopup(FCurrentDate);
    MonthCalendar->popupYearMenu();
}

void TNewEventForm::MonthPopupClick(QObject* Sender)
{
    if (auto* item = qobject_cast<QAction*>(Sender))
        shiftCurrentDate(item->data().toInt());
}

void TNewEventForm::YearPopupClick(QObject* Sender)
{
    if (auto* item = qobject_cast<QAction*>(Sender))
        shiftCurrentDate(12 * item->data().toInt());
}

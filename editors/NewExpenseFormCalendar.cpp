// The expense editor's month mini-calendar: a chosen day, an arrow, a month popup item or
// ToDay moves the editor's own current date, and the day picker follows it. The year popup
// lists its years but choosing one changes nothing.
#include "desktop/MonthCalendar.h"
#include "desktop/MonthCalendarGrid.h"
#include "editors/NewExpenseForm.h"
#include "platform/Clock.h"

#include <QAction>
#include <QDateEdit>
#include <QSignalBlocker>

void TNewExpenseForm::BuildMonthCells()
{
    FFirstCellDate = MonthGrid::firstCellDate(FCurrentDate);
    FSelRow = 0;
    FSelCol = 0;
    FCellDates = MonthGrid::cellDates(FFirstCellDate);
}

void TNewExpenseForm::LocateCurrentCell()
{
    BuildMonthCells();
    const MonthGrid::CellPos cell = MonthGrid::locate(FCellDates, FCurrentDate);
    FSelRow = cell.row;
    FSelCol = cell.col;
}

void TNewExpenseForm::setSelectDate(const QDate& date)
{
    const QSignalBlocker quiet(SelectDatePicker);
    SelectDatePicker->setDate(date);
}

void TNewExpenseForm::CalStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect)
{
    MonthCalendar->setCaptions(FCurrentDate);
    MonthCalendar->drawCell(painter, ACol, ARow, Rect, FCellDates, FCurrentDate, FSelRow, FSelCol);
}

void TNewExpenseForm::CalStringGridSelectCell(int ACol, int ARow, bool* CanSelect)
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

void TNewExpenseForm::shiftCurrentDate(int months)
{
    FCurrentDate = MonthGrid::addMonths(FCurrentDate, months);
    setSelectDate(FCurrentDate);
    MonthCalendar->setCaptions(FCurrentDate);
    LocateCurrentCell();
    CalStringGrid->update();
}

void TNewExpenseForm::CalLeftSpeedButtonMouseUp()
{
    shiftCurrentDate(-1);
}

void TNewExpenseForm::RightSpeedButtonMouseUp()
{
    shiftCurrentDate(1);
}

void TNewExpenseForm::CalMonthSpeedButtonMouseUp()
{
    MonthCalendar->fillMonthPopup(FCurrentDate);
    MonthCalendar->popupMonthMenu();
}

void TNewExpenseForm::CalYearSpeedButtonMouseUp()
{
    MonthCalendar->fillYearPopup(FCurrentDate);
    MonthCalendar->popupYearMenu();
}

void TNewExpenseForm::MonthPopupClick(QObject* Sender)
{
    if (auto* item = qobject_cast<QAction*>(Sender))
        shiftCurrentDate(item->data().toInt());
}

void TNewExpenseForm::ToDayButtonClick()
{
    FCurrentDate = platform::clock::today();
    setSelectDate(FCurrentDate);
    LocateCurrentCell();
    CalStringGrid->update();
}

// The expense editor's month mini-calendar: a chosen day, an arrow, a month popup item or
// ToDay moves the editor's own current date, and the day picker follows it. The year popup
// lists its years but choosing one changes nothing.
#include "common/MonthCalendar.h"
#include "common/MonthCalendarGrid.h"
#include "editors/NewExpenseForm.h"
#include "platform/Clock.h"

#include <QDateEdit>
#include <QSignalBlocker>

void TNewExpenseForm::setSelectDate(const QDate& date)
{
    const QSignalBlocker quiet(SelectDatePicker);
    SelectDatePicker->setDate(date);
}

void TNewExpenseForm::CalStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect)
{
    drawCell(painter, ACol, ARow, Rect);
}

void TNewExpenseForm::CalStringGridSelectCell(int ACol, int ARow, bool* CanSelect)
{
    // Also the day already chosen: the picker may have moved away from it since.
    const CellChoice choice = chooseCell(ACol, ARow, CanSelect);
    if (choice == CellChoice::Refused)
        return;
    if (choice == CellChoice::OtherMonth)
        LocateCurrentCell();
    setSelectDate(FCurrentDate);
    CalStringGrid->update();
}

void TNewExpenseForm::shiftCurrentDate(int months)
{
    shiftMonths(months);
    setSelectDate(FCurrentDate);
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
    openMonthPopup();
}

void TNewExpenseForm::CalYearSpeedButtonMouseUp()
{
    openYearPopup();
}

void TNewExpenseForm::MonthPopupClick(QObject* Sender)
{
    if (const std::optional<int> tag = TMonthCalendar::popupTag(Sender))
        shiftCurrentDate(*tag);
}

void TNewExpenseForm::ToDayButtonClick()
{
    FCurrentDate = platform::clock::today();
    setSelectDate(FCurrentDate);
    LocateCurrentCell();
    CalStringGrid->update();
}

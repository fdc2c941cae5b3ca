// The event editor's month mini-calendar: a chosen day, an arrow or a popup choice moves the
// editor's own current date, and the day picker follows it.
#include "common/MonthCalendar.h"
#include "common/MonthCalendarGrid.h"
#include "editors/NewEventForm.h"

#include <QSignalBlocker>

void TNewEventForm::setSelectDate(const QDate& date)
{
    const QSignalBlocker quiet(SelectDatePicker);
    SelectDatePicker->setDate(date);
}

void TNewEventForm::CalStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect)
{
    drawCell(painter, ACol, ARow, Rect);
}

void TNewEventForm::CalStringGridSelectCell(int ACol, int ARow, bool* CanSelect)
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

void TNewEventForm::CalStringGridMouseUp()
{
    moveGridCursor();
}

void TNewEventForm::shiftCurrentDate(int months)
{
    shiftMonths(months);
    setSelectDate(FCurrentDate);
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
    openMonthPopup();
}

void TNewEventForm::CalYearSpeedButtonMouseUp()
{
    openYearPopup();
}

void TNewEventForm::MonthPopupClick(QObject* Sender)
{
    if (const std::optional<int> tag = TMonthCalendar::popupTag(Sender))
        shiftCurrentDate(*tag);
}

void TNewEventForm::YearPopupClick(QObject* Sender)
{
    if (const std::optional<int> tag = TMonthCalendar::popupTag(Sender))
        shiftCurrentDate(12 * *tag);
}

#include "app/Forms.h"
#include "app/widgets/TDrawGrid.h"
#include "desktop/DesktopFrame.h"
#include "desktop/MonthCalendar.h"
#include "desktop/MonthCalendarGrid.h"
#include "editors/GoToForm.h"
#include "platform/Application.h"
#include "platform/Clock.h"

#include <QAction>
#include <QPushButton>

void TDesktopFrame::connectCalendarEvents()
{
    CalStringGrid->setDrawCell([this](QPainter& painter, int col, int row, const QRect& rect) {
        CalStringGridDrawCell(painter, col, row, rect);
    });
    connect(CalStringGrid, &TMonthCalendarGrid::selectCell, this,
            guarded(this, &TDesktopFrame::CalStringGridSelectCell));
    connect(CalStringGrid, &TMonthCalendarGrid::mouseUp, this,
            guarded(this, &TDesktopFrame::CalStringGridMouseUp));
    connect(MonthCalendar, &TMonthCalendar::leftArrow, this,
            guarded(this, &TDesktopFrame::CalLeftSpeedButtonMouseUp));
    connect(MonthCalendar, &TMonthCalendar::rightArrow, this,
            guarded(this, &TDesktopFrame::CalRightSpeedButtonMouseUp));
    connect(MonthCalendar, &TMonthCalendar::monthButtonUp, this,
            guarded(this, &TDesktopFrame::CalMonthSpeedButtonMouseUp));
    connect(MonthCalendar, &TMonthCalendar::yearButtonUp, this,
            guarded(this, &TDesktopFrame::CalYearSpeedButtonMouseUp));
    for (QAction* item : MonthCalendar->MonthItems)
        connect(item, &QAction::triggered, this,
                [this, item] { runGuarded([&] { MonthPopupClick(item); }); });
    for (QAction* item : MonthCalendar->YearItems)
        connect(item, &QAction::triggered, this, [this, item] { runGuarded([&] { YearPopupClick(item); }); });
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
    MonthCalendar->fillMonthPopup(FCurrentDate);
    MonthCalendar->popupMonthMenu();
}

void TDesktopFrame::CalYearSpeedButtonMouseUp()
{
    MonthCalendar->fillYearPopup(FCurrentDate);
    MonthCalendar->popupYearMenu();
}

void TDesktopFrame::MonthPopupClick(QObject* Sender)
{
    if (auto* item = qobject_cast<QAction*>(Sender))
        shiftCurrentDate(item->data().toInt());
}

void TDesktopFrame::YearPopupClick(QObject* Sender)
{
    if (auto* item = qobject_cast<QAction*>(Sender))
        shiftCurrentDate(12 * item->data().toInt());
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
    Application::CreateForm(GoToForm)->exec();
}

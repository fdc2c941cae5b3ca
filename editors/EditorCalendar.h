#pragma once

// The calendar state, the calendar widgets and the common steps of the editors' month
// mini-calendars. Each dialog derives from it, so its FCurrentDate, FSelRow, CalStringGrid,
// LocateCurrentCell and the rest keep their names, and its handlers add only what that dialog
// does differently (the day picker, how a day of another month is found, ToDay).

#include "common/MonthGrid.h"

#include <QDate>

class QFrame;
class QMenu;
class QPainter;
class QRect;
class QToolButton;
class TDesktopFrame;
class TMonthCalendar;
class TMonthCalendarGrid;

class TEditorCalendar
{
public:
    QDate FCurrentDate;
    QDate FFirstCellDate;
    int FSelRow = 0;
    int FSelCol = 0;
    MonthGrid::CellDates FCellDates;

    // Set by the dialog's layout; the buttons, grid and popups are MonthCalendar's own.
    QFrame* CalPanel = nullptr;
    TMonthCalendar* MonthCalendar = nullptr;
    QFrame* CalShape = nullptr;
    QToolButton* CalLeftSpeedButton = nullptr;
    QToolButton* CalMonthSpeedButton = nullptr;
    QToolButton* CalYearSpeedButton = nullptr;
    QToolButton* RightSpeedButton = nullptr;
    TMonthCalendarGrid* CalStringGrid = nullptr;
    QMenu* CalMonthPopup = nullptr;
    QMenu* CalYearPopup = nullptr;

    // The cells of FCurrentDate's month; nothing selected.
    void BuildMonthCells();
    // BuildMonthCells, then selects FCurrentDate's cell.
    void LocateCurrentCell();
    // The start state: the frame's day and selection, the day then located and shown.
    void startFrom(const TDesktopFrame& frame);

protected:
    enum class CellChoice { Refused, ShownMonth, OtherMonth };
    // A clicked cell: the header row is refused; any other day becomes current, and a day of
    // the shown month is also selected. A day of another month is left for the caller to locate.
    CellChoice chooseCell(int col, int row, bool* canSelect);

    void drawCell(QPainter& painter, int col, int row, const QRect& rect);
    void moveGridCursor();
    // Whole months forward (back when negative); captions, selection and grid follow.
    void shiftMonths(int months);
    void openMonthPopup();
    void openYearPopup();
};

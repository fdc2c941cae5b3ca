#pragma once

// The go-to-day dialog: a month mini-calendar of its own on which the user picks a day; OK
// makes it the desktop frame's current day and rebuilds the day view for it. The frame's
// GoTo button creates it anew for every use and shows it modally; it sets nothing in it.

#include "desktop/MonthGrid.h"

#include <QDate>
#include <QDialog>

class QFrame;
class QMenu;
class QPainter;
class QPushButton;
class QToolButton;
class TMonthCalendar;
class TMonthCalendarGrid;

class TGoToForm : public QDialog
{
    Q_OBJECT
public:
    explicit TGoToForm(QWidget* parent = nullptr);

    QDate FCurrentDate;
    QDate FFirstCellDate;
    int FSelRow = 0;
    int FSelCol = 0;
    MonthGrid::CellDates FCellDates;

    QFrame* CalPanel;
    TMonthCalendar* MonthCalendar;
    QFrame* CalShape;
    QToolButton* CalLeftSpeedButton;
    QToolButton* CalMonthSpeedButton;
    QToolButton* CalYearSpeedButton;
    QToolButton* RightSpeedButton;
    TMonthCalendarGrid* CalStringGrid;
    QMenu* CalMonthPopup;
    QMenu* CalYearPopup;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QPushButton* ToDayButton;

    void FormCreate();
    void OKButtonClick();
    void CancelButtonClick();
    void ToDayButtonClick();

    void BuildMonthCells();
    void LocateCurrentCell();
    void CalStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect);
    void CalStringGridSelectCell(int ACol, int ARow, bool* CanSelect);
    void CalStringGridMouseUp();
    void CalLeftSpeedButtonMouseUp();
    void RightSpeedButtonMouseUp();
    void CalMonthSpeedButtonMouseUp();
    void CalYearSpeedButtonMouseUp();
    void CalMonthClick(QObject* Sender);
    void CalYearClick(QObject* Sender);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createComponents();
    void connectEvents();
    void shiftCurrentDate(int months);
};

#pragma once

// The month mini-calendar's widgets as every form that carries one lays them out: a coloured
// strip with a previous-month arrow, a month button, a year button and a next-month arrow, the
// 7 x 7 grid under it, and the nine-item month and year popups. The forms differ in sizes,
// fonts and in when the arrows act; MonthCalendarStyle holds those differences. The calendar
// state (current date, cells, selection) stays with each form, whose handlers decide what a
// chosen day or month does; this widget paints that state and reports the user's actions.

#include "common/MonthGrid.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <array>
#include <optional>

class QAction;
class QFrame;
class QMenu;
class QToolButton;
class TMonthCalendarGrid;

struct MonthCalendarStyle
{
    // Places inside the calendar's panel, within its border.
    QRect strip;
    QRect leftButton;
    QRect monthButton;
    QRect yearButton;
    QRect rightButton;
    QRect grid;
    QSize cell;
    QColor stripColour;
    // The next-month arrow's component name differs between the forms.
    const char* rightButtonName;
    QFont buttonFont;
    // Font of the header row; the day numbers are "Arial" bold in dayPointSize points.
    QFont gridFont;
    int dayPointSize;
    // The desktop frame's arrows act on pressing the left button, the editors' on releasing it.
    bool arrowsOnPress;
    // The editors open a button's popup, as last filled, on a right click.
    bool rightClickOpensPopups;
    // The editors mark the month and year buttons with a drop-down arrow right of the caption.
    bool dropDownMarks;
    // Whether Tab reaches the grid; a click focuses it either way.
    bool gridTabStop;

    static MonthCalendarStyle desktopFrame();
    // The editors' calendars: small cells, arrows on release, drop-down marks. The go-to dialog's
    // has smaller fonts and no right-click popups; the expense editor's grid is no tab stop.
    static MonthCalendarStyle eventEditor();
    static MonthCalendarStyle goToDialog();
    static MonthCalendarStyle expenseEditor();
};

class TMonthCalendar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int PopupItems = 9;

    TMonthCalendar(QFrame* panel, const MonthCalendarStyle& style);

    QFrame* CalShape;
    QToolButton* CalLeftSpeedButton;
    QToolButton* CalMonthSpeedButton;
    QToolButton* CalYearSpeedButton;
    QToolButton* CalRightSpeedButton;
    TMonthCalendarGrid* CalStringGrid;
    QMenu* CalMonthPopup;
    QMenu* CalYearPopup;
    // Month1..Month9 and Year1..Year9; each item's data is its tag, -4 .. 4.
    std::array<QAction*, PopupItems> MonthItems;
    std::array<QAction*, PopupItems> YearItems;

    // Month name and year of `current` on the two buttons.
    void setCaptions(const QDate& current);
    // Fills a popup with the nine months (years) around `current`, the middle one checked, and
    // shows it without waiting for the choice.
    void openMonthPopup(const QDate& current);
    void openYearPopup(const QDate& current);
    // The step of a chosen month or year item, -4 .. 4; nothing when `sender` is no item.
    static std::optional<int> popupTag(QObject* sender);

    // Paints one grid cell: weekday initials in the header row, the date cells coloured by month
    // and selection, today's number in red over every other choice.
    void drawCell(QPainter& painter, int col, int row, const QRect& rect, const MonthGrid::CellDates& cells,
                  const QDate& currentDate, int selRow, int selCol) const;

signals:
    void leftArrow();
    void rightArrow();
    void monthButtonUp();
    void yearButtonUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* makeButton(const char* name, const QRect& place, bool dropDownMark = false);
    void fillMonthPopup(const QDate& current);
    void fillYearPopup(const QDate& current);
    QMenu* makePopup(const char* name, const char* itemPrefix, std::array<QAction*, PopupItems>& items);
    void popupAtButton(QMenu* menu, QToolButton* button);

    MonthCalendarStyle m_style;
    QFont m_dayFont;
};

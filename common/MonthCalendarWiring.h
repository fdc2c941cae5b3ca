#pragma once

// The connections every form with a month mini-calendar makes: the grid's drawing, cell
// choice and mouse-up, the two arrows, the month and year buttons and the popups' items, each
// to the form's own named handler. A form leaves out (nullptr) a handler it does not have;
// the grid's drawing and cell choice, the arrows and the two buttons it always has. The grid's
// current cell follows the form's selection, FSelCol and FSelRow.

#include "common/MonthCalendar.h"
#include "common/MonthCalendarGrid.h"
#include "platform/Application.h"

#include <QAction>

template <class Form> struct MonthCalendarHandlers
{
    void (Form::*drawCell)(QPainter& painter, int col, int row, const QRect& rect) = nullptr;
    void (Form::*selectCell)(int col, int row, bool* canSelect) = nullptr;
    void (Form::*gridMouseUp)() = nullptr;
    void (Form::*leftArrow)() = nullptr;
    void (Form::*rightArrow)() = nullptr;
    void (Form::*monthButton)() = nullptr;
    void (Form::*yearButton)() = nullptr;
    void (Form::*monthItem)(QObject* sender) = nullptr;
    void (Form::*yearItem)(QObject* sender) = nullptr;
};

template <class Form>
void connectMonthCalendar(Form* form, TMonthCalendar* calendar, const MonthCalendarHandlers<Form>& on)
{
    TMonthCalendarGrid* grid = calendar->CalStringGrid;
    grid->setDrawCell([form, draw = on.drawCell](QPainter& painter, int col, int row, const QRect& rect) {
        (form->*draw)(painter, col, row, rect);
    });
    grid->setSelectedCell([form] { return MonthGrid::CellPos{form->FSelRow, form->FSelCol}; });
    QObject::connect(grid, &TMonthCalendarGrid::selectCell, form, guarded(form, on.selectCell));
    if (on.gridMouseUp)
        QObject::connect(grid, &TMonthCalendarGrid::mouseUp, form, guarded(form, on.gridMouseUp));
    QObject::connect(calendar, &TMonthCalendar::leftArrow, form, guarded(form, on.leftArrow));
    QObject::connect(calendar, &TMonthCalendar::rightArrow, form, guarded(form, on.rightArrow));
    QObject::connect(calendar, &TMonthCalendar::monthButtonUp, form, guarded(form, on.monthButton));
    QObject::connect(calendar, &TMonthCalendar::yearButtonUp, form, guarded(form, on.yearButton));
    const auto connectItems = [form](const auto& items, void (Form::*handler)(QObject*)) {
        if (!handler)
            return;
        for (QAction* item : items)
            QObject::connect(item, &QAction::triggered, form,
                             [form, handler, item] { runGuarded([&] { (form->*handler)(item); }); });
    };
    connectItems(calendar->MonthItems, on.monthItem);
    connectItems(calendar->YearItems, on.yearItem);
}

#pragma once

// What the desktop frame and its tool panel start in the folders above desktop/: the record
// editors and category dialogs (editors/), the print dialog (reports/), the reader form
// (reader/), the sync view (mobile/) and the main window (app/). The main window provides the
// one implementation when it builds the frame. Each call runs to its end before it returns,
// and an error raises through it, so the handler that made the call stops there.

#include <QDate>
#include <QString>

class QTreeWidgetItem;
struct TEventRec;

class DesktopStarts
{
public:
    virtual ~DesktopStarts() = default;

    // The event editor: a new event on the frame's day, modal; or in a day-view slot from
    // hour:minute to endHour:endMinute, with the dropped contact's name as its text.
    virtual void newEvent() = 0;
    virtual void newEventInSlot(int hour, int minute, int endHour, int endMinute,
                                const QString* contactName) = 0;
    // The event editor on a stored event: from the Edit Event button (modal), from the day
    // view's menu, from a double click on a day memo, and from one on a week memo of `day`.
    virtual void editEvent(const TEventRec& record) = 0;
    virtual void editEventFromMenu(const TEventRec& record) = 0;
    virtual void editDayMemo(const TEventRec& record) = 0;
    virtual void editWeekMemo(const QDate& day, const TEventRec& record) = 0;

    // The expense, Password and address editors: a new record from the button (modal; the
    // address editor is modeless) or from the list's menu (modeless), or the record of `row`.
    virtual void newExpense() = 0;
    virtual void newExpenseFromMenu() = 0;
    virtual void editExpense(const QTreeWidgetItem& row) = 0;
    virtual void newMemo() = 0;
    virtual void newMemoFromMenu() = 0;
    virtual void editMemo(const QTreeWidgetItem& row) = 0;
    virtual void newAddress() = 0;
    virtual void editAddress(const QTreeWidgetItem& row) = 0;

    // The go-to-day dialog, modal; it reads and writes the frame's calendar itself.
    virtual void goToDay() = 0;
    // The category list dialog of `kind` ("Group" or "Memo"), modal.
    virtual void categoryList(const QString& kind) = 0;
    // The print dialog for `reportKind` on `day`, modal.
    virtual void print(const QDate& day, const QString& reportKind) = 0;
    // The reader form, modal.
    virtual void readerForm() = 0;
    // The sync view, its profiles loaded, shown in place of the desktop frame.
    virtual void syncView() = 0;
    // Closes the main window, which ends the program.
    virtual void closeMainWindow() = 0;
};

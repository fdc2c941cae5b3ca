#pragma once

// The expense editor: what was paid for, the amount and the day paid (on its own month
// mini-calendar or a date picker). OK inserts, updates or deletes the expense's row, writes
// the row into the desktop frame's expense list and then reloads the list in the sort order
// chosen on the expense page.
//
// The expense page creates it anew for every use: modal for a new expense from the button
// and for a change, modeless for a new expense from the list's menu.

#include "common/ExpenseRows.h"
#include "editors/EditorCalendar.h"
#include "platform/Database.h"

#include <QDate>
#include <QDialog>
#include <QString>
#include <optional>

class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QTabWidget;

namespace editorsave {
class TOpenedEntry;
}

// The mini-calendar's state is the calendar base's; OK reads the day from SelectDatePicker,
// not from FCurrentDate.
class TDesktopFrame;

class TNewExpenseForm : public QDialog, public TEditorCalendar
{
    Q_OBJECT
public:
    TNewExpenseForm(TDesktopFrame& frame, TADOConnection& connection, QWidget* parent = nullptr);

    // Set by the caller: "Append" or "Edit", compared exactly; any other mode writes nothing.
    QString FEditMode;
    // The edited expense's id (Edit); after an insert, the new row's id.
    int FExpenseId = 0;

    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QFrame* Bevel1;
    QFrame* Shape1;
    QLabel* leExpense;
    QLabel* LeItem;
    QLineEdit* ItemMaskEdit;
    QLabel* LeAmount;
    // Typed characters go through AmountMaskEditKeyPress.
    QLineEdit* AmountMaskEdit;
    QFrame* Bevel2;
    QLabel* LeDate;
    QDateEdit* SelectDatePicker;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QPushButton* ToDayButton;
    TADOQuery NewAddressQuery;

    void FormCreate();
    void ApplyCaptions();
    void OKButtonClick();
    void CancelButtonClick();
    // Each character typed into the amount: digits, points, the locale's decimal separator and
    // backspace go through, any other is cleared (discarded).
    void AmountMaskEditKeyPress(QChar* Key);
    void ToDayButtonClick();
    void AddListRow();
    void UpdateListRow();
    // Sets the day picker without raising a change.
    void setSelectDate(const QDate& date);

    void CalStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect);
    void CalStringGridSelectCell(int ACol, int ARow, bool* CanSelect);
    void CalLeftSpeedButtonMouseUp();
    void RightSpeedButtonMouseUp();
    void CalMonthSpeedButtonMouseUp();
    void CalYearSpeedButtonMouseUp();
    void MonthPopupClick(QObject* Sender);

protected:
    // Esc is given no meaning: the editor closes only by its buttons and its close box.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createComponents();
    void createCalendarPanel();
    void connectEvents();
    void shiftCurrentDate(int months);
    // The amount typed, or nothing after telling the user it is not a number.
    std::optional<expenserow::Currency> checkedAmount();
    void setExpenseParams(expenserow::Currency amount);
    bool totalStaysShowable(expenserow::Currency amount);
    editorsave::TOpenedEntry* m_entry = nullptr;
    // The item, the amount and the day, as the list shows them.
    expenserow::Places rowPlaces(expenserow::TRowWriter& writer, const QString& item,
                                 const QString& id) const;
    // The row holding the edited expense, found by its id.
    class TListRow* editedRow() const;
    TDesktopFrame& m_frame;
    TADOConnection& m_connection;
};

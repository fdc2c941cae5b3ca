#pragma once

// The event editor: the text of a calendar event, its day (on its own month mini-calendar or
// a date picker) and its start and end in hours and minutes. OK inserts, updates or deletes
// the event's journal row, then moves the desktop frame to the chosen day and rebuilds its
// day and week views. A search button looks the event's text up on the web.
//
// Callers create it anew for every use, set the mode ("Append" or "Edit"), the day, the
// hidden pickers and, as the use needs, the text, the event's id and the four time lists,
// and show it modally or modeless; it behaves the same either way.

#include "editors/EditorCalendar.h"
#include "editors/MemoEdit.h"
#include "platform/Database.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPainter;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace editorsave {
class TOpenedEntry;
}

// The mini-calendar's state is the calendar base's; after OK, FCurrentDate is the day chosen
// in SelectDatePicker.
class TDesktopFrame;

class TNewEventForm : public QDialog, public TEditorCalendar
{
    Q_OBJECT
public:
    TNewEventForm(TDesktopFrame& frame, TADOConnection& connection, QWidget* parent = nullptr);

    // Set by the caller: "Append" or "Edit", compared exactly; any other mode writes nothing.
    QString FEditMode;
    // The journal id of the edited event (Edit).
    int FEventId = 0;

    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QFrame* Bevel1;
    QFrame* Shape1;
    QLabel* leEvent;
    // At most 255 characters, the journal's limit.
    TMemoEdit* EventMemo;
    QLabel* LeTime;
    // "00".."23" and "00".."59": an item's index is its number.
    QComboBox* starth_cb;
    QComboBox* startm_cb;
    QComboBox* endh_cb;
    QComboBox* endm_cb;
    QLabel* StartColonLabel;
    QLabel* DashLabel;
    QLabel* EndColonLabel;
    QFrame* Bevel2;
    // Hidden: they hold the event's whole start and end.
    QDateTimeEdit* StartDateTimePicker;
    QDateTimeEdit* EndDateTimePicker;
    QLabel* LeDate;
    QDateEdit* SelectDatePicker;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QLabel* SearchLabel;
    QComboBox* SearchComboBoxEx1;
    QToolButton* SpeedButton1;
    TADOQuery NewEventQuery;

    void FormCreate();
    void ApplyCaptions();
    void OKButtonClick();
    void CancelButtonClick();
    void StartDateTimePickerChange();
    void EventMemoMouseUp();
    void SpeedButton1Click();

    void CalStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect);
    void CalStringGridSelectCell(int ACol, int ARow, bool* CanSelect);
    void CalStringGridMouseUp();
    void CalLeftSpeedButtonMouseUp();
    void RightSpeedButtonMouseUp();
    void CalMonthSpeedButtonMouseUp();
    void CalYearSpeedButtonMouseUp();
    void MonthPopupClick(QObject* Sender);
    void YearPopupClick(QObject* Sender);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createComponents();
    void createTimeRow();
    void createCalendarPanel();
    void createSearchPanel();
    void connectEvents();
    // Whole months forward (back when negative); the picker's date follows.
    void shiftCurrentDate(int months);
    // Sets the day picker without raising its change handler.
    void setSelectDate(const QDate& date);
    // The picker's day with the lists' hour and minute and the time picker's seconds.
    QDateTime chosenTime(const QDateTimeEdit* picker, const QComboBox* hours, const QComboBox* minutes) const;
    // Rows the statement changed; 0 when there was nothing to write.
    int writeEvent();
    void refreshDesktopFrame();
    editorsave::TOpenedEntry* m_entry = nullptr;

    // The lists have shown the stored times of an edited event once.
    bool FStoredTimesShown = false;
    TDesktopFrame& m_frame;
    TADOConnection& m_connection;
};

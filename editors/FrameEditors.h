#pragma once

// How the desktop frame opens the editors and the category dialogs: each start makes its form
// anew into the form's global, sets it up from the frame and the chosen record, and shows it.
// The starts of the other folders are the main window's (app/).

#include "desktop/DesktopStarts.h"

class TADOConnection;
class TDesktopFrame;

class FrameEditors : public DesktopStarts
{
public:
    FrameEditors(TDesktopFrame& frame, TADOConnection& connection) : m_frame(frame), m_connection(connection)
    {
    }

    void newEvent() override;
    void newEventInSlot(int hour, int minute, int endHour, int endMinute,
                        const QString* contactName) override;
    void editEvent(const TEventRec& record) override;
    void editEventFromMenu(const TEventRec& record) override;
    void editDayMemo(const TEventRec& record) override;
    void editWeekMemo(const QDate& day, const TEventRec& record) override;
    void newExpense() override;
    void newExpenseFromMenu() override;
    void editExpense(const QTreeWidgetItem& row) override;
    void newMemo() override;
    void newMemoFromMenu() override;
    void editMemo(const QTreeWidgetItem& row) override;
    void newAddress() override;
    void editAddress(const QTreeWidgetItem& row) override;
    void goToDay() override;
    void categoryList(const QString& kind) override;

protected:
    TDesktopFrame& m_frame;
    TADOConnection& m_connection;

private:
    class TNewEventForm* createEventEditor();
    TNewEventForm* prepareNewEvent();
};

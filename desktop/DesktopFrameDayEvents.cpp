// The user's commands on the day view: choosing an event, deleting it, and opening the event
// editor for a new event, a chosen half-hour, a dropped contact or an existing event.
#include "desktop/CalendarViews.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DesktopStarts.h"
#include "desktop/EventMemo.h"
#include "desktop/SlotPanel.h"
#include "desktop/ViewColours.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <algorithm>
#include <optional>

namespace {

constexpr int FirstHalfHourTag = 24;

// The caption of the first selected row of a list view, if any row is selected.
std::optional<QString> firstSelectedCaption(const QAbstractItemView* list)
{
    if (!list->selectionModel())
        return std::nullopt;
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    const auto first =
        std::min_element(selected.begin(), selected.end(),
                         [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    if (first == selected.end())
        return std::nullopt;
    return first->siblingAtColumn(0).data().toString();
}

} // namespace

int TDesktopFrame::highlightedDayEvent() const
{
    for (const TEventMemo* memo : FDayMemos)
        if (memo->Color() == QColor(viewcolours::EventMemoHighlight))
            return memo->Tag;
    return -1;
}

void TDesktopFrame::EventButtonMouseUp(TEventMemo* Sender)
{
    for (TEventMemo* memo : FDayMemos)
        if (memo->Color() == QColor(viewcolours::EventMemoHighlight))
            memo->setColor(QColor(viewcolours::EventMemo));
    Sender->setColor(QColor(viewcolours::EventMemoHighlight));
    EditEventButton->setEnabled(true);
}

void TDesktopFrame::DeleteSelectedEvent()
{
    const int selected = highlightedDayEvent();
    if (selected < 0)
        return;
    EventQuery.Connection = &connection();
    EventQuery.Prepared = true;
    EventQuery.Close();
    EventQuery.SQL.Clear();
    EventQuery.SQL.Add(" delete from journal where ");
    EventQuery.SQL.Add(" id=:id");
    EventQuery.ParamByName("id").Value = FDayEvents.at(selected).journalId;
    EventQuery.ExecSQL();
    // The event is gone whatever the rebuild meets; the next rebuild shows the day as it is.
    try {
        ClearDayEvents();
        BuildDayView(FCurrentDate);
    } catch (const std::exception&) {
    }
    update();
}

void TDesktopFrame::miDeleteEventClick()
{
    DeleteSelectedEvent();
}

void TDesktopFrame::miEventKeyUp(TEventMemo*, int* Key)
{
    if (*Key == Qt::Key_Delete)
        DeleteSelectedEvent();
    *Key = 0;
}

void TDesktopFrame::NewEventButtonClick()
{
    starts().newEvent();
}

void TDesktopFrame::openSlotEditor(QWidget* slot, const QString* contactName)
{
    const auto* panel = qobject_cast<TSlotPanel*>(slot);
    if (!panel)
        return;
    const bool halfHour = panel->Tag >= FirstHalfHourTag;
    const int hour = halfHour ? panel->Tag - FirstHalfHourTag : panel->Tag;
    const int minute = halfHour ? 0 : 30;
    // An hour past the last one is no time of day: the last hour's slots end at 23:59.
    const bool lastHour = hour == 23;
    const int endHour = lastHour ? 23 : hour + 1;
    const int endMinute = lastHour ? 59 : minute;
    starts().newEventInSlot(hour, minute, endHour, endMinute, contactName);
}

void TDesktopFrame::EventCreateDbClick(QWidget* Sender)
{
    openSlotEditor(Sender, nullptr);
}

void TDesktopFrame::EventDragOver(QWidget*, QObject* Source, bool* Accept)
{
    *Accept = qobject_cast<QAbstractItemView*>(Source) != nullptr;
}

void TDesktopFrame::EventDragDrop(QWidget* Sender, QObject* Source)
{
    const auto* list = qobject_cast<QAbstractItemView*>(Source);
    if (!list)
        return;
    // Without a chosen contact there is no name for the event, so the drop does nothing.
    const std::optional<QString> name = firstSelectedCaption(list);
    if (name)
        openSlotEditor(Sender, &*name);
}

void TDesktopFrame::EditEventButtonClick()
{
    const int selected = highlightedDayEvent();
    if (selected < 0)
        return;
    starts().editEvent(FDayEvents.at(selected));
}

void TDesktopFrame::miEditEventClick()
{
    const int selected = highlightedDayEvent();
    if (selected < 0)
        return;
    starts().editEventFromMenu(FDayEvents.at(selected));
}

void TDesktopFrame::EventButtonDbClick(TEventMemo* Sender)
{
    starts().editDayMemo(FDayEvents.at(Sender->Tag));
}

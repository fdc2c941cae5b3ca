// The day view: loading a day's events, laying out the ones that overlap, and showing them as
// memos over the hour grid. The user's commands on it are in DesktopFrameDayEvents.cpp.
#include "common/statements/EventStatements.h"
#include "common/widgets/AlignLayout.h"
#include "common/widgets/TDrawGrid.h"
#include "desktop/CalendarViews.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DesktopFrameLayoutHelpers.h"
#include "desktop/EventMemo.h"
#include "desktop/EventWatcher.h"
#include "desktop/ShapeCanvas.h"
#include "desktop/SlotPanel.h"
#include "desktop/UnreadableEvents.h"
#include "desktop/ViewColours.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/DatabaseNotice.h"
#include "platform/Locale.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>

using calendarview::HalfHourHeight;
using calendarview::HourHeight;

void TDesktopFrame::connectDayViewEvents()
{
    DateStringGrid->setDrawCell([this](QPainter& painter, int col, int row, const QRect& rect) {
        DateStringGridDrawCell(painter, col, row, rect);
    });
    // The date texts follow every paint of the hour column, whose cells are drawn only once.
    new EventWatcher(DateStringGrid, QEvent::Paint, [this] { showDateTexts(); });
    connect(NewEventButton, &QPushButton::clicked, this, guarded(this, &TDesktopFrame::NewEventButtonClick));
    connect(EditEventButton, &QPushButton::clicked, this,
            guarded(this, &TDesktopFrame::EditEventButtonClick));
    connect(miNewEvent, &QAction::triggered, this, guarded(this, &TDesktopFrame::NewEventButtonClick));
    connect(miEditEvent, &QAction::triggered, this, guarded(this, &TDesktopFrame::miEditEventClick));
    connect(miDeleteEvent, &QAction::triggered, this, guarded(this, &TDesktopFrame::miDeleteEventClick));
}

void TDesktopFrame::InitCalendar()
{
    FCurrentDate = platform::clock::today();
    LocateCurrentCell();
    RepaintCalendar();
    layout::fill(ToolPanel, QColor(viewcolours::ToolPanel));
    sizeCalendarGrids();
    DateSpeedButton->setChecked(true);
    if (FHourPanels.empty())
        createSlotPanels();
    if (FWeekShapes->isEmpty())
        createWeekCells();
    // Start-up runs this twice; a day view built for the same date from the database as it
    // still stands would come out the same, and is kept.
    TADOConnection& connection = this->connection();
    if (!connection.Connected() || FDayViewSource != std::pair(FCurrentDate, connection.changeStamp())) {
        ClearDayEvents();
        BuildDayView(FCurrentDate);
    }
}

void TDesktopFrame::sizeCalendarGrids()
{
    // A page of the page control is laid out only while it shows; the week grid is measured
    // now, so the Week page takes the size every page has.
    WeekSheet->setGeometry(WeekSheet->parentWidget()->rect());
    layoutNow(WeekSheet);

    DateStringGrid->setDefaultRowHeight(HourHeight);
    WeekTimeStringGrid->setDefaultRowHeight(HourHeight);
    WeekDateStringGrid->setRowHeight(0, 24);
    WeekDateStringGrid->resize(WeekDateStringGrid->width(), 24);
    DateStringGrid->setColWidth(0, 70);
    WeekTimeStringGrid->resize(70, WeekTimeStringGrid->height());
    layoutNow(WeekSheet);

    EventScrollContent->resize(EventScrollBox->width(), calendarview::ContentHeight);
    layoutWeekColumns();
}

void TDesktopFrame::createSlotPanels()
{
    const int left = DateStringGrid->width();
    const int width = EventScrollBox->width() - left;
    auto makePanel = [&](QRgb colour, int tag, int top, int height) {
        auto* slot = new TSlotPanel(EventScrollContent, QColor(colour), tag);
        slot->setGeometry(left, top, width, height);
        connect(slot, &TSlotPanel::doubleClicked, this, guarded(this, &TDesktopFrame::EventCreateDbClick));
        connect(slot, &TSlotPanel::dragOver, this, guarded(this, &TDesktopFrame::EventDragOver));
        connect(slot, &TSlotPanel::dragDrop, this, guarded(this, &TDesktopFrame::EventDragDrop));
        slot->show();
        FHourPanels.push_back(slot);
    };
    for (int hour = 0; hour < 24; ++hour)
        makePanel(viewcolours::HourPanel, hour, hour * HourHeight, HourHeight);
    // Made after the hour panels, so each covers the upper half of its hour.
    for (int hour = 0; hour < 24; ++hour)
        makePanel(viewcolours::HalfHourPanel, 24 + hour, hour * HourHeight, HalfHourHeight);
}

int TDesktopFrame::LoadDayEvents(std::vector<TEventRec>& records, const QDate& date)
{
    records.clear();
    TADOConnection& connection = this->connection();
    // Without a database the calendar stays empty.
    if (!platform::db::openOrSay(connection))
        return 0;
    EventQuery.Connection = &connection;
    EventQuery.Close();
    eventstatements::setDaySelect(EventQuery, date);
    EventQuery.Open();
    records.reserve(static_cast<size_t>(EventQuery.RecordCount()));
    for (EventQuery.First(); !EventQuery.Eof(); EventQuery.Next()) {
        TEventRec record;
        record.start = EventQuery.FieldByName("jstarttime").AsDateTime();
        record.memo = EventQuery.FieldByName("memo").AsString();
        record.journalId = EventQuery.FieldByName("ID").AsInteger();
        const TField end = EventQuery.FieldByName("jendtime");
        unreadableevents::takeEnd(record, end.IsNull() ? QString() : end.Value().toString(), this,
                                  connection);
        records.push_back(std::move(record));
    }
    return static_cast<int>(records.size());
}

void TDesktopFrame::LayoutOverlaps(int count, std::vector<TEventRec>& records)
{
    if (count <= 1)
        return;
    ClearEventTree();
    EventTreeView.addRoot(0);
    records[0].root = true;
    records[0].columnCount = 0;
    records[0].span = 0;
    int currentRoot = 0;
    for (int i = 1; i < count; ++i) {
        TEventRec& event = records[i];
        int parent = -1;
        for (int j = i - 1; j >= 0 && parent < 0; --j) {
            const TEventRec& earlier = records[j];
            if ((event.start >= earlier.start && event.end < earlier.end) ||
                (event.start > earlier.start && event.start < earlier.end) ||
                (event.start == earlier.start && event.end == earlier.end))
                parent = j;
        }
        event.span = 0;
        if (parent < 0) {
            EventTreeView.addRoot(i);
            event.root = true;
            event.columnCount = 1;
            currentRoot = i;
            continue;
        }
        EventTreeView.addChild(parent, i);
        event.root = false;
        event.columnCount = 0;
        const int depth = EventTreeView.depth(i);
        if (depth + 1 > records[currentRoot].columnCount)
            records[currentRoot].columnCount = depth + 1;
    }

    int columns = 0;
    for (int k : EventTreeView.depthFirst()) {
        TEventRec& event = records[k];
        const int depth = EventTreeView.depth(k);
        event.span = 1;
        if (depth == 0) {
            if (!EventTreeView.hasChildren(k))
                event.columnCount = 1;
            columns = event.columnCount;
        } else if (EventTreeView.hasChildren(k) || depth == columns - 1) {
            event.columnCount = columns;
        } else {
            // A leaf short of the group's last column stretches to the group's right edge.
            event.columnCount = columns;
            event.span = columns - depth;
        }
    }
}

void TDesktopFrame::BuildDayView(const QDate& date)
{
    const int count = LoadDayEvents(FDayEvents, date);
    if (const TADOConnection& connection = this->connection(); connection.Connected())
        FDayViewSource = {date, connection.changeStamp()};
    if (count == 0)
        return;
    LayoutOverlaps(count, FDayEvents);
    const int left = DateStringGrid->width();
    const int width = EventScrollBox->width();
    FDayMemos.reserve(FDayMemos.size() + static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        const TEventRec& record = FDayEvents[k];
        TEventMemo* memo = calendarview::createEventMemo(EventScrollContent, record, k);
        const int depth = record.columnCount < 2 ? 0 : EventTreeView.depth(k);
        calendarview::placeHorizontally(memo, record, depth, left, width);
        memo->PopupMenu = mifunction;
        connect(memo, &TEventMemo::mouseUp, this, guarded(this, &TDesktopFrame::EventButtonMouseUp));
        connect(memo, &TEventMemo::doubleClicked, this, guarded(this, &TDesktopFrame::EventButtonDbClick));
        connect(memo, &TEventMemo::keyUp, this, guarded(this, &TDesktopFrame::miEventKeyUp));
        FDayMemos.push_back(memo);
    }
    {
        calendarview::ContainerHidden batch(EventScrollContent);
        for (TEventMemo* memo : FDayMemos) {
            memo->setEnabled(true);
            memo->show();
        }
    }
    EventScrollContent->update();
}

void TDesktopFrame::ClearDayEvents()
{
    // A memo holding the focus would pass it on as it goes, and the scroll box would scroll to
    // show the widget taking it; the box itself takes it instead.
    if (EventScrollContent->isAncestorOf(QApplication::focusWidget()))
        EventScrollBox->setFocus();
    // A memo may be clearing the view from inside its own handler, so none is freed at once.
    calendarview::ContainerHidden batch(EventScrollContent);
    for (TEventMemo* memo : FDayMemos) {
        memo->hide();
        memo->deleteLater();
    }
    FDayMemos.clear();
    FDayEvents.clear();
    FDayViewSource.reset();
    ClearEventTree();
}

void TDesktopFrame::ClearEventTree()
{
    EventTreeView.clear();
}

void TDesktopFrame::showDateTexts()
{
    SetCalendarCaptions();
    const QString date = platform::locale::dateToStr(FCurrentDate);
    if (DateLabel->text() != date)
        DateLabel->setText(date);
}

void TDesktopFrame::DateStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect)
{
    calendarview::drawHourCell(painter, ACol, ARow, Rect, 3);
}

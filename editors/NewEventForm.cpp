#include "editors/NewEventForm.h"

#include "common/MonthCalendar.h"
#include "common/MonthCalendarGrid.h"
#include "common/MonthCalendarWiring.h"
#include "common/SharedTexts.h"
#include "common/widgets/TDrawGrid.h"
#include "desktop/DesktopFrame.h"
#include "editors/EditorLayout.h"
#include "editors/EditorSave.h"
#include "editors/EventSearch.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

namespace {

void setListIndex(QComboBox* list, int index)
{
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index);
}

} // namespace

TNewEventForm::TNewEventForm(TDesktopFrame& frame, TADOConnection& connection, QWidget* parent)
    : QDialog(parent), m_frame(frame), m_connection(connection)
{
    createComponents();
    connectEvents();
    FormCreate();
}

void TNewEventForm::connectEvents()
{
    connect(OKButton, &QPushButton::clicked, this, guarded(this, &TNewEventForm::OKButtonClick));
    connect(CancelButton, &QPushButton::clicked, this, guarded(this, &TNewEventForm::CancelButtonClick));
    connect(StartDateTimePicker, &QDateTimeEdit::dateTimeChanged, this,
            guarded(this, &TNewEventForm::StartDateTimePickerChange));
    connect(EventMemo, &TMemoEdit::mouseUp, this, guarded(this, &TNewEventForm::EventMemoMouseUp));
    connect(SpeedButton1, &QToolButton::clicked, this, guarded(this, &TNewEventForm::SpeedButton1Click));
    // The day picker has no handler: the mini-calendar does not follow it.

    connectMonthCalendar(this, MonthCalendar,
                         {.drawCell = &TNewEventForm::CalStringGridDrawCell,
                          .selectCell = &TNewEventForm::CalStringGridSelectCell,
                          .gridMouseUp = &TNewEventForm::CalStringGridMouseUp,
                          .leftArrow = &TNewEventForm::CalLeftSpeedButtonMouseUp,
                          .rightArrow = &TNewEventForm::RightSpeedButtonMouseUp,
                          .monthButton = &TNewEventForm::CalMonthSpeedButtonMouseUp,
                          .yearButton = &TNewEventForm::CalYearSpeedButtonMouseUp,
                          .monthItem = &TNewEventForm::MonthPopupClick,
                          .yearItem = &TNewEventForm::YearPopupClick});
}

void TNewEventForm::FormCreate()
{
    NewEventQuery.Connection = &m_connection;
    m_entry = new editorsave::TOpenedEntry(this, m_connection);
    startFrom(m_frame);
    ApplyCaptions();
    setListIndex(SearchComboBoxEx1, 0);
}

void TNewEventForm::ApplyCaptions()
{
    PageControl1->setTabText(PageControl1->indexOf(TabSheet1), SharedTexts::load(65123));
    editorlayout::setCaption(leEvent, SharedTexts::load(65054));
    editorlayout::setCaption(LeTime, SharedTexts::load(65055));
    editorlayout::setCaption(LeDate, SharedTexts::load(65053));
    OKButton->setText(SharedTexts::load(65099));
    CancelButton->setText(SharedTexts::load(65100));
}

void TNewEventForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Every caller of a change sets the hidden pickers to the stored times; showing them in the
    // lists keeps an OK without a change from overwriting them with 00:00.
    if (FEditMode == "Edit" && !FStoredTimesShown) {
        FStoredTimesShown = true;
        setListIndex(starth_cb, StartDateTimePicker->time().hour());
        setListIndex(startm_cb, StartDateTimePicker->time().minute());
        setListIndex(endh_cb, EndDateTimePicker->time().hour());
        setListIndex(endm_cb, EndDateTimePicker->time().minute());
    }
}

void TNewEventForm::keyPressEvent(QKeyEvent* event)
{
    // Only OK, Cancel and the close box end the editor; Esc means nothing here.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QDateTime TNewEventForm::chosenTime(const QDateTimeEdit* picker, const QComboBox* hours,
                                    const QComboBox* minutes) const
{
    // Seconds and milliseconds stay as the picker holds them; the lists give hour and minute.
    const QTime held = picker->time();
    return platform::clock::wallClock(
        SelectDatePicker->date(),
        QTime(hours->currentText().toInt(), minutes->currentText().toInt(), held.second(), held.msec()));
}

void TNewEventForm::OKButtonClick()
{
    // Only the hours are compared: 10:00 to 10:30 is refused. An hour past 23 does not exist, so
    // the day's last hour may end at 23:59.
    const bool lastHourOfTheDay = starth_cb->currentText().toInt() == 23 &&
                                  endh_cb->currentText().toInt() == 23 &&
                                  endm_cb->currentText().toInt() == 59;
    if (!lastHourOfTheDay && (starth_cb->currentText() == endh_cb->currentText() ||
                              starth_cb->currentText().toInt() > endh_cb->currentText().toInt())) {
        platform::dialogs::messageBox(this, "Input Rule Error", QApplication::applicationName());
        return;
    }
    {
        const QSignalBlocker quietStart(StartDateTimePicker);
        const QSignalBlocker quietEnd(EndDateTimePicker);
        StartDateTimePicker->setDateTime(chosenTime(StartDateTimePicker, starth_cb, startm_cb));
        EndDateTimePicker->setDateTime(chosenTime(EndDateTimePicker, endh_cb, endm_cb));
    }
    FCurrentDate = SelectDatePicker->date();
    if (FEditMode == "Edit" && !m_entry->sameFile()) {
        refreshDesktopFrame();
        return;
    }
    const int written = writeEvent();
    if (FEditMode == "Edit" && !m_entry->entryChanged(written)) {
        refreshDesktopFrame();
        return;
    }
    // The frame follows the chosen day also when nothing was written.
    if (written > 0)
        m_entry->afterSave([this] { refreshDesktopFrame(); });
    else
        refreshDesktopFrame();
    // Only this editor closes; another one still open keeps what the user entered there.
    accept();
}

int TNewEventForm::writeEvent()
{
    const QString text = EventMemo->toPlainText();
    auto bindEvent = [&] {
        NewEventQuery.ParamByName("jstarttime").Value = StartDateTimePicker->dateTime();
        NewEventQuery.ParamByName("jendtime").Value = EndDateTimePicker->dateTime();
        NewEventQuery.ParamByName("memo").Value = text;
    };
    NewEventQuery.Prepared = true;
    if (FEditMode == "Append") {
        NewEventQuery.Close();
        NewEventQuery.SQL.Clear();
        NewEventQuery.SQL.Add(" Insert Into journal ( jstarttime , jendtime , memo ) ");
        NewEventQuery.SQL.Add(" values ( :jstarttime , :jendtime , :memo  )");
        if (!text.isEmpty()) {
            bindEvent();
            return NewEventQuery.ExecSQL();
        }
    }
    if (FEditMode == "Edit") {
        NewEventQuery.Close();
        NewEventQuery.SQL.Clear();
        if (!text.isEmpty()) {
            NewEventQuery.SQL.Add(
                " update journal set jstarttime=:jstarttime  , jendtime=:jendtime , memo=:memo ");
            NewEventQuery.SQL.Add(" where  id=:eventid ");
            bindEvent();
        } else {
            // An event whose text was emptied is deleted.
            NewEventQuery.Close();
            NewEventQuery.SQL.Clear();
            NewEventQuery.SQL.Add(" delete from journal ");
            NewEventQuery.SQL.Add(" where  id=:eventid ");
        }
        NewEventQuery.ParamByName("eventid").Value = FEventId;
        return NewEventQuery.ExecSQL();
    }
    return 0;
}

void TNewEventForm::refreshDesktopFrame()
{
    TDesktopFrame& frame = m_frame;
    frame.FSelRow = FSelRow;
    frame.FSelCol = FSelCol;
    frame.FCurrentDate = FCurrentDate;
    frame.LocateCurrentCell();
    frame.RepaintCalendar();
    frame.DateStringGrid->update();
    m_frame.window()->update();
    frame.ClearDayEvents();
    frame.BuildDayView(FCurrentDate);
    frame.ClearWeekEvents();
    frame.BuildWeekView(FCurrentDate);
    frame.EditEventButton->setEnabled(false);
}

void TNewEventForm::CancelButtonClick()
{
    reject();
}

void TNewEventForm::StartDateTimePickerChange()
{
    // Only the user's own change counts, and it needs the picker's focus; values set by code
    // come without it.
    if (!StartDateTimePicker->hasFocus())
        return;
    const QSignalBlocker quiet(EndDateTimePicker);
    EndDateTimePicker->setDateTime(StartDateTimePicker->dateTime().addSecs(3600));
}

void TNewEventForm::EventMemoMouseUp()
{
    SearchLabel->setText(EventMemo->selectedText());
}

void TNewEventForm::SpeedButton1Click()
{
    const QString term = SearchLabel->text().isEmpty() ? EventMemo->toPlainText() : SearchLabel->text();
    platform::dialogs::shellExecute("open", "IEXPLORE.EXE",
                                    eventsearch::address(SearchComboBoxEx1->currentIndex(), term));
}

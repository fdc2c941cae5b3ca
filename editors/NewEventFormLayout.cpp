// Form description of the event editor.
#include "common/MonthCalendar.h"
#include "common/MonthCalendarGrid.h"
#include "editors/EditorLayout.h"
#include "editors/EventSearch.h"
#include "editors/NewEventForm.h"
#include "platform/Locale.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

using editorlayout::make;

namespace {

// "00", "01", ... so that an item's index is its number; the user picks, never types.
QComboBox* numberList(QWidget* parent, const char* name, int count, int x, int y)
{
    auto* list = make<QComboBox>(parent, name);
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << QString::asprintf("%02d", i);
    list->addItems(items);
    list->setGeometry(x, y, 45, 21);
    return list;
}

QDateTimeEdit* hiddenTimePicker(QWidget* parent, const char* name, int x, int y)
{
    auto* picker = make<QDateTimeEdit>(parent, name);
    picker->setDisplayFormat("HH : mm");
    // Wall-clock times: no hour of the day is missing or doubled, whatever the PC's zone.
    picker->setTimeSpec(Qt::UTC);
    picker->move(x, y);
    picker->hide();
    return picker;
}

} // namespace

void TNewEventForm::createComponents()
{
    setObjectName("NewEventForm");
    editorlayout::makeFixedDialog(this, QSize(442, 383), 13);

    PageControl1 = make<QTabWidget>(this, "PageControl1");
    PageControl1->setGeometry(8, 5, 321, 371);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName("TabSheet1");
    PageControl1->addTab(TabSheet1, QString());

    Bevel1 = editorlayout::bevelBox(TabSheet1, "Bevel1", QRect(17, 8, 296, 329));
    Shape1 = editorlayout::filledRect(TabSheet1, "Shape1", QRect(20, 12, 289, 20), QColor(22, 87, 155));
    leEvent = editorlayout::label(TabSheet1, "leEvent", 152, 14);
    editorlayout::setTextColour(leEvent, Qt::white);

    EventMemo = make<TMemoEdit>(TabSheet1, "EventMemo");
    EventMemo->setMaxLength(255);
    EventMemo->setGeometry(20, 34, 291, 73);
    EventMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EventMemo->setTabChangesFocus(true);

    createTimeRow();

    Bevel2 = make<QFrame>(TabSheet1, "Bevel2");
    Bevel2->setFrameShape(QFrame::HLine);
    Bevel2->setFrameShadow(QFrame::Sunken);
    Bevel2->setGeometry(32, 144, 257, 3);

    StartDateTimePicker = hiddenTimePicker(TabSheet1, "StartDateTimePicker", 50, 150);
    EndDateTimePicker = hiddenTimePicker(TabSheet1, "EndDateTimePicker", 182, 150);

    LeDate = editorlayout::label(TabSheet1, "LeDate", 52, 176);
    SelectDatePicker = make<QDateEdit>(TabSheet1, "SelectDatePicker");
    SelectDatePicker->setGeometry(90, 172, 139, 24);
    SelectDatePicker->setDisplayFormat(platform::locale::formatSettings().ShortDateFormat);

    createCalendarPanel();

    OKButton = editorlayout::button(this, "OKButton", QRect(352, 32, 75, 25));
    CancelButton = editorlayout::button(this, "CancelButton", QRect(352, 66, 75, 25));
    createSearchPanel();

    setTabOrder(EventMemo, SelectDatePicker);
    setTabOrder(SelectDatePicker, starth_cb);
    setTabOrder(starth_cb, startm_cb);
    setTabOrder(startm_cb, endh_cb);
    setTabOrder(endh_cb, endm_cb);
    setTabOrder(endm_cb, CalStringGrid);
    setTabOrder(CalStringGrid, OKButton);
    setTabOrder(OKButton, CancelButton);
    setTabOrder(CancelButton, SearchComboBoxEx1);
}

void TNewEventForm::createTimeRow()
{
    LeTime = editorlayout::label(TabSheet1, "LeTime", 22, 116);
    starth_cb = numberList(TabSheet1, "starth_cb", 24, 54, 112);
    StartColonLabel = editorlayout::label(TabSheet1, "StartColonLabel", 102, 116);
    StartColonLabel->setText(":");
    startm_cb = numberList(TabSheet1, "startm_cb", 60, 110, 112);
    DashLabel = editorlayout::label(TabSheet1, "DashLabel", 166, 116);
    DashLabel->setText("-");
    endh_cb = numberList(TabSheet1, "endh_cb", 24, 180, 112);
    EndColonLabel = editorlayout::label(TabSheet1, "EndColonLabel", 230, 116);
    EndColonLabel->setText(":");
    endm_cb = numberList(TabSheet1, "endm_cb", 60, 240, 112);
    for (QLabel* text : {StartColonLabel, DashLabel, EndColonLabel})
        text->adjustSize();
}

void TNewEventForm::createCalendarPanel()
{
    CalPanel = editorlayout::calendarPanel(TabSheet1, QRect(72, 202, 158, 129));
    MonthCalendar = new TMonthCalendar(CalPanel, MonthCalendarStyle::eventEditor());
    CalShape = MonthCalendar->CalShape;
    CalLeftSpeedButton = MonthCalendar->CalLeftSpeedButton;
    CalMonthSpeedButton = MonthCalendar->CalMonthSpeedButton;
    CalYearSpeedButton = MonthCalendar->CalYearSpeedButton;
    RightSpeedButton = MonthCalendar->CalRightSpeedButton;
    CalStringGrid = MonthCalendar->CalStringGrid;
    CalMonthPopup = MonthCalendar->CalMonthPopup;
    CalYearPopup = MonthCalendar->CalYearPopup;
}

void TNewEventForm::createSearchPanel()
{
    SearchLabel = editorlayout::label(this, "SearchLabel", 342, 122);
    // The selected text can be long; it shows as far as the window's edge.
    SearchLabel->resize(width() - SearchLabel->x(), 13);
    SearchLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    SearchComboBoxEx1 = make<QComboBox>(this, "SearchComboBoxEx1");
    SearchComboBoxEx1->setGeometry(338, 144, 101, 22);
    for (int index = 0; index < eventsearch::ServiceCount; ++index)
        SearchComboBoxEx1->addItem(eventsearch::icon(index), eventsearch::services()[index].caption);

    SpeedButton1 = make<QToolButton>(this, "SpeedButton1");
    SpeedButton1->setGeometry(340, 174, 97, 27);
    SpeedButton1->setText("Search");
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
}

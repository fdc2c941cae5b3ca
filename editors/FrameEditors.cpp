#include "editors/FrameEditors.h"

#include "common/AddressRows.h"
#include "common/ExpenseRows.h"
#include "common/ListRows.h"
#include "common/MemoRows.h"
#include "common/SharedTexts.h"
#include "desktop/DesktopFrame.h"
#include "editors/AddressForm.h"
#include "editors/EditorForms.h"
#include "editors/GoToForm.h"
#include "editors/GroupForm.h"
#include "editors/LabeledEdit.h"
#include "editors/MemoForm.h"
#include "editors/NewEventForm.h"
#include "editors/NewExpenseForm.h"
#include "platform/Clock.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidgetItem>

namespace {

void takeCalendarState(TNewEventForm* form, const TDesktopFrame& frame)
{
    form->FCurrentDate = frame.FCurrentDate;
    form->SelectDatePicker->setDate(frame.FCurrentDate);
    form->FSelRow = frame.FSelRow;
    form->FSelCol = frame.FSelCol;
}

// Sets the editor up to change `record`: the mode, both pickers, the text and the id.
void editEventIn(TNewEventForm* form, const TEventRec& record)
{
    form->FEditMode = "Edit";
    form->StartDateTimePicker->setDateTime(record.start);
    form->EndDateTimePicker->setDateTime(record.end);
    form->EventMemo->setPlainText(record.memo);
    form->FEventId = record.journalId;
}

} // namespace

TNewEventForm* FrameEditors::createEventEditor()
{
    return Application::CreateForm(NewEventForm, m_frame, m_connection);
}

TNewEventForm* FrameEditors::prepareNewEvent()
{
    TNewEventForm* form = createEventEditor();
    takeCalendarState(form, m_frame);
    form->update();
    form->FEditMode = "Append";
    form->StartDateTimePicker->setDate(m_frame.FCurrentDate);
    form->EndDateTimePicker->setDate(m_frame.FCurrentDate);
    form->setWindowTitle(SharedTexts::load(65051));
    return form;
}

void FrameEditors::newEvent()
{
    prepareNewEvent()->exec();
}

void FrameEditors::newEventInSlot(int hour, int minute, int endHour, int endMinute,
                                  const QString* contactName)
{
    TNewEventForm* form = prepareNewEvent();
    form->starth_cb->setCurrentIndex(hour);
    form->startm_cb->setCurrentIndex(minute);
    form->endh_cb->setCurrentIndex(endHour);
    form->endm_cb->setCurrentIndex(endMinute);
    const QDate day = m_frame.FCurrentDate;
    form->StartDateTimePicker->setDateTime(platform::clock::wallClock(day, QTime(hour, minute)));
    form->EndDateTimePicker->setDateTime(platform::clock::wallClock(day, QTime(endHour, endMinute)));
    if (contactName) {
        form->EventMemo->clear();
        form->EventMemo->setPlainText(*contactName);
    }
    form->exec();
}

void FrameEditors::editEvent(const TEventRec& record)
{
    TNewEventForm* form = createEventEditor();
    editEventIn(form, record);
    takeCalendarState(form, m_frame);
    form->setWindowTitle("Edit Event");
    form->exec();
}

void FrameEditors::editEventFromMenu(const TEventRec& record)
{
    TNewEventForm* form = createEventEditor();
    editEventIn(form, record);
    form->SelectDatePicker->setDate(m_frame.FCurrentDate);
    form->setWindowTitle(SharedTexts::load(65052));
    form->show();
}

void FrameEditors::editDayMemo(const TEventRec& record)
{
    TNewEventForm* form = createEventEditor();
    editEventIn(form, record);
    takeCalendarState(form, m_frame);
    form->starth_cb->setCurrentIndex(record.start.time().hour());
    form->startm_cb->setCurrentIndex(record.start.time().minute());
    form->endh_cb->setCurrentIndex(record.end.time().hour());
    form->endm_cb->setCurrentIndex(record.end.time().minute());
    form->setWindowTitle(SharedTexts::load(65052));
    form->show();
}

void FrameEditors::editWeekMemo(const QDate& day, const TEventRec& record)
{
    TNewEventForm* form = createEventEditor();
    form->FCurrentDate = day;
    form->SelectDatePicker->setDate(day);
    form->LocateCurrentCell();
    form->update();
    form->setWindowTitle(SharedTexts::load(65052));
    editEventIn(form, record);
    form->show();
}

void FrameEditors::newExpense()
{
    TNewExpenseForm* editor = Application::CreateForm(NewExpenseForm, m_frame, m_connection);
    editor->setWindowTitle("New Expense");
    editor->FEditMode = "Append";
    editor->FCurrentDate = m_frame.FCurrentDate;
    editor->setSelectDate(m_frame.FCurrentDate);
    editor->exec();
}

void FrameEditors::newExpenseFromMenu()
{
    TNewExpenseForm* editor = Application::CreateForm(NewExpenseForm, m_frame, m_connection);
    editor->FEditMode = "Append";
    editor->show();
}

void FrameEditors::editExpense(const QTreeWidgetItem& row)
{
    const QDate paydate = expenserow::dateOf(row.text(expenserow::Date));
    const int id = listrows::idIn(row.text(expenserow::Id));
    TNewExpenseForm* editor = Application::CreateForm(NewExpenseForm, m_frame, m_connection);
    editor->setWindowTitle(SharedTexts::load(64992));
    editor->FEditMode = "Edit";
    editor->setSelectDate(paydate);
    editor->ItemMaskEdit->setText(row.text(expenserow::Item));
    editor->AmountMaskEdit->setText(expenserow::trimBlanks(row.text(expenserow::Amount)));
    editor->FExpenseId = id;
    editor->exec();
}

void FrameEditors::newMemo()
{
    TMemoForm* editor = Application::CreateForm(MemoForm, m_frame, m_connection);
    editor->setWindowTitle(SharedTexts::load(65019));
    editor->FEditMode = "Append";
    editor->exec();
}

void FrameEditors::newMemoFromMenu()
{
    TMemoForm* editor = Application::CreateForm(MemoForm, m_frame, m_connection);
    editor->FEditMode = "Append";
    editor->show();
}

void FrameEditors::editMemo(const QTreeWidgetItem& row)
{
    const int id = listrows::idIn(row.text(memorow::Id));
    const int category = listrows::idIn(row.text(memorow::CategoryId));
    TMemoForm* editor = Application::CreateForm(MemoForm, m_frame, m_connection);
    editor->FEditMode = "Edit";
    editor->EditMemo->setPlainText(editor->FStoredTexts.show(editor->EditMemo, row.text(memorow::Text)));
    editor->FMemoId = id;
    categories::setPosition(editor->CategoryComboBox,
                            categories::positionOfId(m_frame.FMemoCategories, category));
    editor->exec();
}

void FrameEditors::newAddress()
{
    TAddressForm* editor = Application::CreateForm(AddressForm, m_frame, m_connection);
    editor->FEditMode = "Append";
    editor->show();
}

void FrameEditors::editAddress(const QTreeWidgetItem& row)
{
    const int id = listrows::idIn(row.text(addressrow::Id));
    const int category = listrows::idIn(row.text(addressrow::CategoryId));
    TAddressForm* editor = Application::CreateForm(AddressForm, m_frame, m_connection);
    editor->FEditMode = "Edit";
    const auto take = [&row, editor](QLineEdit* edit, int place) {
        edit->setText(editor->FStoredTexts.show(edit, row.text(place)));
    };
    take(editor->leLastName, addressrow::LastName);
    take(editor->leFirstName, addressrow::FirstName);
    take(editor->leTitle, addressrow::Title);
    take(editor->leCompanyName, addressrow::CompanyName);
    editor->meAddress->setPlainText(
        editor->FStoredTexts.show(editor->meAddress, row.text(addressrow::Address)));
    take(editor->leCity, addressrow::City);
    take(editor->leZip, addressrow::Zip);
    take(editor->leNation, addressrow::Nation);
    take(editor->leOfficephone, addressrow::OfficePhone);
    take(editor->leHomePhone, addressrow::HomePhone);
    take(editor->leFax, addressrow::Fax);
    take(editor->leMobile, addressrow::Mobile);
    take(editor->leEmail, addressrow::Email);
    editor->FAddressId = id;
    categories::setPosition(editor->GroupComboBox,
                            categories::positionOfId(m_frame.FAddressCategories, category));
    editor->exec();
}

void FrameEditors::goToDay()
{
    Application::CreateForm(GoToForm, m_frame)->exec();
}

void FrameEditors::categoryList(const QString& kind)
{
    TGroupForm* dialog = Application::CreateForm(GroupForm, m_frame, m_connection);
    dialog->FGroupKind = kind;
    dialog->exec();
}

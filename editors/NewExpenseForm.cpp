#include "editors/NewExpenseForm.h"

#include "common/ListRows.h"
#include "common/MonthCalendar.h"
#include "common/MonthCalendarGrid.h"
#include "common/MonthCalendarWiring.h"
#include "common/SharedTexts.h"
#include "desktop/DesktopFrame.h"
#include "editors/EditorLayout.h"
#include "editors/EditorSave.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Locale.h"

#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <functional>

using expenserow::Currency;

namespace {

// Passes the characters typed into a field through its key filter, as they are typed; text
// that reaches the field otherwise (pasted from its menu) is not filtered.
class KeyPressFilter : public QObject
{
public:
    KeyPressFilter(QWidget* field, std::function<void(QChar*)> filter)
        : QObject(field), m_filter(std::move(filter))
    {
        field->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        // Moving the focus and the Delete key type no character.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete)
            return false;
        bool discarded = false;
        for (QChar typed : key->text()) {
            runGuarded([&] { m_filter(&typed); });
            discarded = discarded || typed.isNull();
        }
        return discarded;
    }

private:
    std::function<void(QChar*)> m_filter;
};

} // namespace

TNewExpenseForm::TNewExpenseForm(TDesktopFrame& frame, TADOConnection& connection, QWidget* parent)
    : QDialog(parent), m_frame(frame), m_connection(connection)
{
    createComponents();
    connectEvents();
    FormCreate();
}

void TNewExpenseForm::connectEvents()
{
    connect(OKButton, &QPushButton::clicked, this, guarded(this, &TNewExpenseForm::OKButtonClick));
    connect(CancelButton, &QPushButton::clicked, this, guarded(this, &TNewExpenseForm::CancelButtonClick));
    connect(ToDayButton, &QPushButton::clicked, this, guarded(this, &TNewExpenseForm::ToDayButtonClick));
    new KeyPressFilter(AmountMaskEdit, [this](QChar* key) { AmountMaskEditKeyPress(key); });

    connectMonthCalendar(this, MonthCalendar,
                         {.drawCell = &TNewExpenseForm::CalStringGridDrawCell,
                          .selectCell = &TNewExpenseForm::CalStringGridSelectCell,
                          .leftArrow = &TNewExpenseForm::CalLeftSpeedButtonMouseUp,
                          .rightArrow = &TNewExpenseForm::RightSpeedButtonMouseUp,
                          .monthButton = &TNewExpenseForm::CalMonthSpeedButtonMouseUp,
                          .yearButton = &TNewExpenseForm::CalYearSpeedButtonMouseUp,
                          .monthItem = &TNewExpenseForm::MonthPopupClick});
}

void TNewExpenseForm::FormCreate()
{
    NewAddressQuery.Connection = &m_connection;
    m_entry = new editorsave::TOpenedEntry(this, m_connection);
    startFrom(m_frame);
    ApplyCaptions();
    // Every editor starts on the calendar's day, also the one the list's menu opens without
    // setting a day: a picker left on some fixed day would misdate that expense.
    setSelectDate(FCurrentDate);
}

void TNewExpenseForm::ApplyCaptions()
{
    const auto text = [](int id) { return SharedTexts::load(id); };
    PageControl1->setTabText(PageControl1->indexOf(TabSheet1), text(64993));
    editorlayout::setCaption(leExpense, text(64994));
    editorlayout::setCaption(LeItem, text(64995));
    editorlayout::setCaption(LeAmount, text(64996));
    editorlayout::setCaption(LeDate, text(64997));
    ToDayButton->setText(text(64998));
    OKButton->setText(text(64999));
    CancelButton->setText(text(65000));
}

void TNewExpenseForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TNewExpenseForm::AmountMaskEditKeyPress(QChar* Key)
{
    // The locale's decimal separator too, so that an amount the list shows can be typed: were
    // it dropped, "1,5" typed where the comma is that separator would be stored as 15.
    static const QString accepted = QStringLiteral("0123456789.");
    if (accepted.contains(*Key) || *Key == QChar(8) ||
        *Key == platform::locale::formatSettings().DecimalSeparator)
        return;
    *Key = QChar();
}

std::optional<Currency> TNewExpenseForm::checkedAmount()
{
    if (const std::optional<Currency> amount = expenserow::parseAmount(AmountMaskEdit->text()))
        return amount;
    platform::dialogs::messageBox(this,
                                  QStringLiteral("Please input the amount as a number, such as %1.")
                                      .arg(platform::locale::formatFixed(12.5, 2)),
                                  QApplication::applicationName(), platform::dialogs::Icon::Warning);
    AmountMaskEdit->setFocus();
    return std::nullopt;
}

void TNewExpenseForm::setExpenseParams(Currency amount)
{
    NewAddressQuery.ParamByName("item").Value = ItemMaskEdit->text();
    NewAddressQuery.ParamByName("amount").Value = expenserow::valueOf(amount);
    // The day alone: an expense has no time of day.
    NewAddressQuery.ParamByName("paydate").Value = SelectDatePicker->date();
}

bool TNewExpenseForm::totalStaysShowable(Currency amount)
{
    NewAddressQuery.Close();
    NewAddressQuery.SQL.Clear();
    NewAddressQuery.SQL.Add("select total(amount) as stored from expense where id <> :id");
    NewAddressQuery.ParamByName("id").Value = FEditMode == "Edit" ? FExpenseId : 0;
    NewAddressQuery.Open();
    const double stored = NewAddressQuery.FieldByName("stored").AsFloat();
    NewAddressQuery.Close();
    if (expenserow::totalStaysShowable(stored, amount))
        return true;
    platform::dialogs::messageBox(this,
                                  "This amount would make the total of the expenses too large to show, so "
                                  "it was not saved.",
                                  QApplication::applicationName(), platform::dialogs::Icon::Warning);
    AmountMaskEdit->setFocus();
    return false;
}

void TNewExpenseForm::OKButtonClick()
{
    const bool anyText = !ItemMaskEdit->text().isEmpty() || !AmountMaskEdit->text().isEmpty();
    TDesktopFrame& frame = m_frame;
    const auto reloadList = [&frame] { frame.LoadExpenseList(frame.ExpenseComboBox->currentIndex()); };
    // An amount that is no number, or one the total could not show, is refused before anything
    // is written.
    std::optional<Currency> amount;
    if (anyText && (FEditMode == "Append" || FEditMode == "Edit")) {
        amount = checkedAmount();
        if (!amount || !totalStaysShowable(*amount))
            return;
    }
    if (FEditMode == "Edit" && !m_entry->sameFile()) {
        reloadList();
        return;
    }
    NewAddressQuery.Prepared = true;
    if (FEditMode == "Append") {
        NewAddressQuery.Close();
        NewAddressQuery.SQL.Clear();
        NewAddressQuery.SQL.Add(" Insert Into Expense ( item , amount , paydate ) ");
        NewAddressQuery.SQL.Add(" values ( :item , :amount , :paydate )");
        if (anyText) {
            setExpenseParams(*amount);
            NewAddressQuery.ExecSQL();
            m_entry->afterSave([&] {
                NewAddressQuery.Close();
                NewAddressQuery.SQL.Clear();
                NewAddressQuery.SQL.Add("select id from Expense order by id desc");
                NewAddressQuery.Open();
                FExpenseId = NewAddressQuery.FieldByName("id").AsInteger();
                NewAddressQuery.Close();
                AddListRow();
                reloadList();
            });
            accept();
            return;
        }
    }
    if (FEditMode == "Edit") {
        NewAddressQuery.Close();
        NewAddressQuery.SQL.Clear();
        NewAddressQuery.SQL.Add(" update expense set item=:item  , amount=:amount , paydate=:paydate ");
        NewAddressQuery.SQL.Add(" where  id=:id ");
        if (anyText) {
            setExpenseParams(*amount);
        } else {
            // An expense whose item and amount were both emptied is deleted.
            NewAddressQuery.Close();
            NewAddressQuery.SQL.Clear();
            NewAddressQuery.SQL.Add(" delete from expense ");
            NewAddressQuery.SQL.Add(" where  id=:id ");
        }
        NewAddressQuery.ParamByName("id").Value = FExpenseId;
        if (!m_entry->entryChanged(NewAddressQuery.ExecSQL())) {
            reloadList();
            return;
        }
        m_entry->afterSave([&] {
            UpdateListRow();
            reloadList();
        });
        accept();
        return;
    }
    reloadList();
    accept();
}

void TNewExpenseForm::CancelButtonClick()
{
    reject();
}

expenserow::Places TNewExpenseForm::rowPlaces(expenserow::TRowWriter& writer, const QString& item,
                                              const QString& id) const
{
    return writer.places(SelectDatePicker->date(), item,
                         expenserow::parseAmount(AmountMaskEdit->text()).value_or(0), id);
}

void TNewExpenseForm::AddListRow()
{
    TDesktopFrame& frame = m_frame;
    expenserow::TRowWriter writer;
    const QString item = ItemMaskEdit->text();
    const QString id = QString::number(FExpenseId);
    listrows::insertSorted(frame.ExpenseListView,
                           std::make_unique<TListRow>(rowPlaces(writer, item, id), &frame.FExpenseSortColumn),
                           frame.FExpenseSortColumn);
}

TListRow* TNewExpenseForm::editedRow() const
{
    return listrows::findRow(m_frame.ExpenseListView, expenserow::Id, QString::number(FExpenseId));
}

void TNewExpenseForm::UpdateListRow()
{
    TDesktopFrame& frame = m_frame;
    TListRow* row = editedRow();
    if (!row)
        return;
    if (ItemMaskEdit->text().isEmpty() && AmountMaskEdit->text().isEmpty()) {
        // The expense was deleted: its row goes too.
        listrows::removeRows(frame.ExpenseListView, {frame.ExpenseListView->indexOfTopLevelItem(row)});
        return;
    }
    const QString item = expenserow::trimBlanks(ItemMaskEdit->text());
    const QString id = row->text(expenserow::Id);
    expenserow::TRowWriter writer;
    row->setPlaces(rowPlaces(writer, item, id));
    listrows::sortBy(frame.ExpenseListView, frame.FExpenseSortColumn);
}

// Form description of the expense editor.
#include "common/MonthCalendar.h"
#include "editors/EditorLayout.h"
#include "editors/NewExpenseForm.h"
#include "platform/Locale.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

using editorlayout::make;

namespace {

QFont sansSerif(int pixels)
{
    QFont font("MS Sans Serif");
    font.setPixelSize(pixels);
    return font;
}

QLineEdit* lineEdit(QWidget* parent, const char* name, const QRect& place)
{
    auto* edit = make<QLineEdit>(parent, name);
    edit->setGeometry(place);
    return edit;
}

} // namespace

void TNewExpenseForm::createComponents()
{
    setObjectName("NewExpenseForm");
    setWindowTitle("NewExpenseForm");
    // An ordinary window of 424 x 379 pixels with its frame: this is its client area.
    resize(416, 352);
    setFont(sansSerif(11));

    PageControl1 = make<QTabWidget>(this, "PageControl1");
    PageControl1->setGeometry(12, 4, 313, 340);
    PageControl1->setFont(sansSerif(13));
    PageControl1->setFocusPolicy(Qt::NoFocus);
    PageControl1->tabBar()->setFocusPolicy(Qt::NoFocus);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName("TabSheet1");
    PageControl1->addTab(TabSheet1, QString());

    Bevel1 = editorlayout::bevelBox(TabSheet1, "Bevel1", QRect(4, 0, 297, 305));
    Shape1 = editorlayout::filledRect(TabSheet1, "Shape1", QRect(8, 5, 289, 20), QColor(22, 87, 155));
    leExpense = editorlayout::label(TabSheet1, "leExpense", 128, 6);
    editorlayout::setTextColour(leExpense, Qt::white);

    LeItem = editorlayout::label(TabSheet1, "LeItem", 68, 38);
    ItemMaskEdit = lineEdit(TabSheet1, "ItemMaskEdit", QRect(132, 34, 119, 24));
    LeAmount = editorlayout::label(TabSheet1, "LeAmount", 64, 78);
    AmountMaskEdit = lineEdit(TabSheet1, "AmountMaskEdit", QRect(132, 74, 119, 24));

    Bevel2 = make<QFrame>(TabSheet1, "Bevel2");
    Bevel2->setFrameShape(QFrame::HLine);
    Bevel2->setFrameShadow(QFrame::Sunken);
    Bevel2->setGeometry(42, 106, 231, 3);

    LeDate = editorlayout::label(TabSheet1, "LeDate", 64, 132);
    SelectDatePicker = make<QDateEdit>(TabSheet1, "SelectDatePicker");
    SelectDatePicker->setGeometry(108, 128, 145, 24);
    SelectDatePicker->setDisplayFormat(platform::locale::formatSettings().ShortDateFormat);

    createCalendarPanel();

    OKButton = editorlayout::button(this, "OKButton", QRect(335, 22, 75, 25));
    CancelButton = editorlayout::button(this, "CancelButton", QRect(335, 56, 75, 25));
    ToDayButton = editorlayout::button(this, "ToDayButton", QRect(336, 140, 73, 23));
    for (QPushButton* button : {OKButton, CancelButton, ToDayButton})
        button->setFont(sansSerif(13));

    setTabOrder(ItemMaskEdit, AmountMaskEdit);
    setTabOrder(AmountMaskEdit, SelectDatePicker);
    setTabOrder(SelectDatePicker, OKButton);
    setTabOrder(OKButton, CancelButton);
    setTabOrder(CancelButton, ToDayButton);
}

void TNewExpenseForm::createCalendarPanel()
{
    CalPanel = editorlayout::calendarPanel(TabSheet1, QRect(80, 168, 158, 129));
    MonthCalendar = new TMonthCalendar(CalPanel, MonthCalendarStyle::expenseEditor());
    CalShape = MonthCalendar->CalShape;
    CalLeftSpeedButton = MonthCalendar->CalLeftSpeedButton;
    CalMonthSpeedButton = MonthCalendar->CalMonthSpeedButton;
    CalYearSpeedButton = MonthCalendar->CalYearSpeedButton;
    RightSpeedButton = MonthCalendar->CalRightSpeedButton;
    CalStringGrid = MonthCalendar->CalStringGrid;
    CalMonthPopup = MonthCalendar->CalMonthPopup;
    CalYearPopup = MonthCalendar->CalYearPopup;
}

// Form description of the address, Password and expense pages.
#include "common/ListRows.h"
#include "common/widgets/AlignLayout.h"
#include "desktop/DesktopFrame.h"
#include "desktop/EventWatcher.h"
#include "desktop/PageLayoutHelpers.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace layout;

namespace {

// Columns "fitted to the list": whatever the fixed columns leave is shared out among the
// fitted ones on every resize; the first fitted column keeps within its bounds and the
// last one takes the rest.
class ColumnFitter : public QObject
{
public:
    ColumnFitter(QTreeWidget* list, int fixedColumns, int minWidth, int maxWidth)
        : QObject(list), m_list(list), m_fixed(fixedColumns), m_min(minWidth), m_max(maxWidth)
    {
        list->viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            fit();
        return false;
    }

private:
    void fit()
    {
        int rest = m_list->viewport()->width();
        for (int c = 0; c < m_fixed; ++c)
            rest -= m_list->columnWidth(c);
        const int fitted = m_list->columnCount() - m_fixed;
        if (fitted <= 0)
            return;
        const int first = std::clamp(rest / fitted, m_min, m_max);
        m_list->setColumnWidth(m_fixed, first);
        rest -= first;
        for (int c = m_fixed + 1; c < m_list->columnCount(); ++c) {
            const int share = std::max(rest / (m_list->columnCount() - c), 0);
            m_list->setColumnWidth(c, share);
            rest -= share;
        }
    }

    QTreeWidget* m_list;
    int m_fixed;
    int m_min;
    int m_max;
};

// The strip above a list: the page's heading, then its filter or sort widgets.
QFrame* titleBar(QWidget* page, const char* name, const char* heading)
{
    QFrame* bar = panel(page, name, 1300, 25);
    QLabel* title = label(bar, (QByteArray(name) + "Heading").constData(), heading, formFont(16, true));
    setTextColour(title, bgr(8210432));
    title->setGeometry(8, 0, 200, 25);
    return bar;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, const QRect& geometry,
                    bool bold = false)
{
    auto* b = make<QPushButton>(parent, name);
    b->setText(caption);
    b->setGeometry(geometry);
    if (bold)
        b->setFont(formFont(11, true));
    return b;
}

QComboBox* dropDown(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* combo = make<QComboBox>(parent, name);
    combo->setGeometry(geometry);
    return combo;
}

QPlainTextEdit* detailText(QWidget* parent, const char* name)
{
    auto* text = make<QPlainTextEdit>(parent, name);
    text->setTabChangesFocus(true);
    text->setFrameShape(QFrame::NoFrame);
    QPalette pal = text->palette();
    pal.setColor(QPalette::Base, Qt::white);
    text->setPalette(pal);
    return text;
}

// A vertical splitter strip between a list and its detail pane.
QFrame* splitter(QWidget* parent, const char* name)
{
    QFrame* strip = panel(parent, name, 3, 100);
    strip->setCursor(Qt::SplitHCursor);
    return strip;
}

QMenu* popup(QWidget* owner, const char* name)
{
    auto* menu = make<QMenu>(owner, name);
    owner->setContextMenuPolicy(Qt::CustomContextMenu);
    return menu;
}

QAction* item(QMenu* menu, const char* name, const char* caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QMenu* submenu(QMenu* menu, const char* name, const char* caption)
{
    QMenu* sub = menu->addMenu(caption);
    sub->setObjectName(name);
    return sub;
}

} // namespace

void TDesktopFrame::createListPages()
{
    // Address page
    AddressTitlePanel = titleBar(AddressSheet, "AddressTitlePanel", "Address Book");
    LeCategory = label(AddressTitlePanel, "LeCategory", "Category", formFont(11, true));
    LeCategory->setGeometry(220, 0, 70, 25);
    ComboAddress = dropDown(AddressTitlePanel, "ComboAddress", {290, 2, 145, 21});
    EditGroup = button(AddressTitlePanel, "EditGroup", "Category", {440, 1, 99, 23}, true);

    AddressListView = reportList(AddressSheet, "AddressListView", true);
    listrows::prepareList(AddressListView);
    AddressSplitter = splitter(AddressSheet, "AddressSplitter");
    AddressMemoPanel = panel(AddressSheet, "AddressMemoPanel", 260, 400);
    fill(AddressMemoPanel, Qt::white);
    AddressNameLabel = label(AddressMemoPanel, "AddressNameLabel", QString(), formFont(13, true));
    constexpr int DetailMargin = 8;
    AddressNameLabel->setGeometry(DetailMargin, 6, 244, 20);
    AddressCategoryComboBox = dropDown(AddressMemoPanel, "AddressCategoryComboBox", {8, 30, 145, 21});
    AddressCategoryComboBox->setEnabled(false);
    AddressMemo = detailText(AddressMemoPanel, "AddressMemo");
    AddressMemo->setGeometry(DetailMargin, 58, 244, 600);
    // The splitter moves the pane's edge; the name line and the details keep their margins in it.
    new EventWatcher(AddressMemoPanel, QEvent::Resize, [this] {
        const int width = AddressMemoPanel->width() - 2 * DetailMargin;
        for (QWidget* detail : {static_cast<QWidget*>(AddressNameLabel), static_cast<QWidget*>(AddressMemo)})
            detail->resize(width, detail->height());
    });
    AddressButtonPanel = panel(AddressSheet, "AddressButtonPanel", 1300, 36);
    NewAddressButton = button(AddressButtonPanel, "NewAddressButton", "New Address", {8, 6, 100, 25});
    EditAddressButton = button(AddressButtonPanel, "EditAddressButton", "Edit Address", {116, 6, 100, 25});
    EditAddressButton->setEnabled(false);
    Import_BitBtn = button(AddressButtonPanel, "Import_BitBtn", "Import", {224, 6, 100, 25});
    alignChildren(AddressSheet, {{AddressTitlePanel, Align::Top},
                                 {AddressButtonPanel, Align::Bottom},
                                 {AddressMemoPanel, Align::Right},
                                 {AddressSplitter, Align::Right},
                                 {AddressListView, Align::Client}});

    miAddressList = popup(AddressListView, "miAddressList");
    miNewAddress = item(miAddressList, "miNewAddress", "New Address");
    miEditAddress = item(miAddressList, "miEditAddress", "Edit Address");
    miDeleteAddress = item(miAddressList, "miDeleteAddress", "Delete Address");
    miAddressList->addSeparator();
    miSelectAll = item(miAddressList, "miSelectAll", "Select All");
    miAddressList->addSeparator();
    miChangeCategory = submenu(miAddressList, "miChangeCategory", "Change Category");

    // Password page
    MemoTitlePanel = titleBar(MemoSheet, "MemoTitlePanel", "Password");
    LeMemoCategory = label(MemoTitlePanel, "LeMemoCategory", "Category", formFont(11, true));
    LeMemoCategory->setGeometry(220, 0, 70, 25);
    ComboMemo = dropDown(MemoTitlePanel, "ComboMemo", {290, 2, 145, 21});
    btmemoCategory = button(MemoTitlePanel, "btmemoCategory", "Category..", {440, 1, 81, 23}, true);

    MemoListView = reportList(MemoSheet, "MemoListView", true);
    listrows::prepareList(MemoListView);
    setColumns(MemoListView, {"Description", "Category"});
    new ColumnFitter(MemoListView, 0, 100, 600);
    Splitter2 = splitter(MemoSheet, "Splitter2");
    Panel12 = panel(MemoSheet, "Panel12", 190, 400);
    fill(Panel12, Qt::white);
    ToDoLabel = label(Panel12, "ToDoLabel", QString(), formFont(11));
    ToDoLabel->setGeometry(8, 6, 174, 18);
    ToDoMemoComboBox = dropDown(Panel12, "ToDoMemoComboBox", {8, 28, 100, 21});
    ToDoMemoComboBox->setEnabled(false);
    ToDoMemo = detailText(Panel12, "ToDoMemo");
    ToDoMemo->setReadOnly(true);
    ToDoMemo->setGeometry(8, 56, 174, 600);
    MemoButtonPanel = panel(MemoSheet, "MemoButtonPanel", 1300, 36);
    NewMemoButton = button(MemoButtonPanel, "NewMemoButton", "New Password", {8, 6, 120, 25});
    EditMemoButton = button(MemoButtonPanel, "EditMemoButton", "Edit Password", {136, 6, 120, 25});
    EditMemoButton->setEnabled(false);
    alignChildren(MemoSheet, {{MemoTitlePanel, Align::Top},
                              {MemoButtonPanel, Align::Bottom},
                              {Panel12, Align::Right},
                              {Splitter2, Align::Right},
                              {MemoListView, Align::Client}});

    miMemoList = popup(MemoListView, "miMemoList");
    miNewMemo = item(miMemoList, "miNewMemo", "New Password");
    miEditMemo = item(miMemoList, "miEditMemo", "Edit  Password");
    miDeleteMemo = item(miMemoList, "miDeleteMemo", "Delete Password");
    miMemoList->addSeparator();
    miMemoSelectAll = item(miMemoList, "miMemoSelectAll", "Select All");
    miMemoList->addSeparator();
    miMemoChangeCategory = submenu(miMemoList, "miMemoChangeCategory", "Change Category");

    // Expense page
    ExpenseTitlePanel = titleBar(ExpenseSheet, "ExpenseTitlePanel", "Expense");
    LeExpense = label(ExpenseTitlePanel, "LeExpense", "Sort", formFont(11, true));
    LeExpense->setGeometry(220, 0, 70, 25);
    ExpenseComboBox = dropDown(ExpenseTitlePanel, "ExpenseComboBox", {290, 2, 145, 21});
    ExpenseComboBox->setFont(formFont(11, true));
    ExpenseComboBox->addItems({"Date", "Item", "Amount"});

    ExpenseListView = reportList(ExpenseSheet, "ExpenseListView", true);
    listrows::prepareList(ExpenseListView);
    setColumns(ExpenseListView, {"Date", "Item", "Amount"}, {100});
    new ColumnFitter(ExpenseListView, 1, 100, 600);
    Splitter3 = splitter(ExpenseSheet, "Splitter3");
    Splitter3->hide();
    ExpenseButtonPanel = panel(ExpenseSheet, "ExpenseButtonPanel", 1300, 36);
    TotalLabel = label(ExpenseButtonPanel, "TotalLabel", "Total:", formFont(13, true));
    TotalLabel->setGeometry(240, 6, 600, 25);
    NewExpenseButton = button(ExpenseButtonPanel, "NewExpenseButton", "New Expense", {8, 6, 100, 25});
    EditExpenseButton = button(ExpenseButtonPanel, "EditExpenseButton", "Edit Expense", {116, 6, 100, 25});
    EditExpenseButton->setEnabled(false);
    alignChildren(ExpenseSheet, {{ExpenseTitlePanel, Align::Top},
                                 {ExpenseButtonPanel, Align::Bottom},
                                 {Splitter3, Align::Right},
                                 {ExpenseListView, Align::Client}});

    miExpenseList = popup(ExpenseListView, "miExpenseList");
    miNewExpense = item(miExpenseList, "miNewExpense", "New Expense");
    miEditExpense = item(miExpenseList, "miEditExpense", "Edit Expense");
    miDeleteExpense = item(miExpenseList, "miDeleteExpense", "Delete Expense");
    miExpenseList->addSeparator();
    miExpenseSelectAll = item(miExpenseList, "miExpenseSelectAll", "Select All");
}

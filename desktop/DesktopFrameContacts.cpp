// The contact list on the Day page: the last names of every address-book entry. A
// double-click jumps to the entry in the address book; a drag onto the day view makes the
// name a new event's text.
#include "common/ListQuery.h"
#include "common/statements/AddressStatements.h"
#include "desktop/CalendarViews.h"
#include "desktop/ContactRows.h"
#include "desktop/DesktopFrame.h"
#include "desktop/QuorvaneFrame.h"
#include "platform/Application.h"
#include "platform/DatabaseNotice.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTreeView>
#include <QTreeWidget>
#include <optional>

namespace {

// Where the address list's rows keep their record's id: sub-item 13 (column 0 is the caption).
constexpr int AddressIdColumn = 14;

// The first chosen row of the list, if any.
std::optional<int> chosenRow(const QAbstractItemView* list)
{
    const QModelIndexList chosen = list->selectionModel()->selectedRows();
    if (chosen.isEmpty())
        return std::nullopt;
    return std::min_element(chosen.begin(), chosen.end(),
                            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); })
        ->row();
}

// An id as the rows hold it, without the blanks and control characters around it.
QString bareId(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= ' ')
        ++first;
    while (last > first && text.at(last - 1).unicode() <= ' ')
        --last;
    return text.mid(first, last - first);
}

// Starts the contact list's drags itself and offers only a copy: the view's own drag also
// offers a move, and a drop taken as a move would remove the row from the list. The drag's
// source is the list, which is how the day view knows where a drop comes from.
class ContactDrag : public QObject
{
public:
    ContactDrag(QTreeView* list, const TContactRows* rows) : QObject(list), m_list(list), m_rows(rows)
    {
        list->setDragEnabled(false);
        list->viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            m_pressAt = mouse->position().toPoint();
            m_armed = mouse->button() == Qt::LeftButton && m_list->indexAt(m_pressAt).isValid();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_armed = false;
        } else if (event->type() == QEvent::MouseMove && m_armed) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!(mouse->buttons() & Qt::LeftButton)) {
                m_armed = false;
                return false;
            }
            if ((mouse->position().toPoint() - m_pressAt).manhattanLength() >=
                QApplication::startDragDistance())
                runGuarded([this] { drag(); });
            return true;
        }
        return false;
    }

private:
    void drag()
    {
        m_armed = false;
        const std::optional<int> chosen = chosenRow(m_list);
        if (!chosen)
            return;
        auto* data = new QMimeData;
        data->setText(m_rows->lastName(*chosen));
        auto* drag = new QDrag(m_list);
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
        // The drag took the button's release; give the list one so it leaves its pressed state.
        QMouseEvent release(QEvent::MouseButtonRelease, m_pressAt, m_list->viewport()->mapToGlobal(m_pressAt),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_list->viewport(), &release);
    }

    QTreeView* m_list;
    const TContactRows* m_rows;
    QPoint m_pressAt;
    bool m_armed = false;
};

} // namespace

void TDesktopFrame::prepareContactList()
{
    ContactListView->setColumnWidth(0, 150);
    // Every row is one line high; knowing it spares the view measuring thousands of rows.
    ContactListView->setUniformRowHeights(true);
    // Rows are drawn as the address list's: white and light grey by turns from the top.
    ContactListView->setFont(QFont("MS Sans Serif", 10));
    ContactListView->setAlternatingRowColors(true);
    QPalette rows = ContactListView->palette();
    rows.setColor(QPalette::Base, Qt::white);
    rows.setColor(QPalette::AlternateBase, QColor(238, 238, 238));
    ContactListView->setPalette(rows);
    new ContactDrag(ContactListView, FContactRows);
}

void TDesktopFrame::ClearContactList()
{
    FContactRows->clear();
}

void TDesktopFrame::LoadContactList()
{
    TADOConnection& connection = this->connection();
    // Start-up loads the list twice; the same data gives the same rows, so a list loaded from
    // an unchanged database only starts afresh (nothing chosen, scrolled to the top).
    if (connection.Connected() && FContactRows->rowCount() > 0 && FContactStamp == connection.changeStamp()) {
        ContactListView->clearSelection();
        ContactListView->scrollToTop();
        return;
    }
    ClearContactList();
    // Without a database the list stays empty.
    if (!platform::db::openOrSay(connection))
        return;
    AddressQuery.Close();
    AddressQuery.Connection = &connection;
    AddressQuery.SQL.Clear();
    addressstatements::addSelect(AddressQuery.SQL);
    // Read straight from the engine: the list holds every entry, and only two of the
    // select's columns are kept.
    TListQuery query(AddressQuery);
    const int lastName = query.column("LastName");
    const int id = query.column("ID");
    TContactBlock rows;
    // The rows read before a failure still reach the list; the next load reads it all again.
    try {
        while (query.next())
            rows.add(query.text(lastName), query.text(id));
    } catch (...) {
        FContactRows->setRows(std::move(rows));
        throw;
    }
    FContactRows->setRows(std::move(rows));
    FContactStamp = connection.changeStamp();
}

void TDesktopFrame::ContactListViewDblClick()
{
    const std::optional<int> chosen = chosenRow(ContactListView);
    if (!chosen)
        return;
    const QString id = bareId(FContactRows->id(*chosen));
    QuorvaneFrame1->sbAddressClick();
    for (int i = 0; i < AddressListView->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = AddressListView->topLevelItem(i);
        if (bareId(row->text(AddressIdColumn)) != id)
            continue;
        AddressListView->setFocus();
        AddressListView->setCurrentItem(row);
        AddressListView->scrollToItem(row);
    }
}

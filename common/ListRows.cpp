#include "common/ListRows.h"

#include "platform/Application.h"
#include "platform/Transaction.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <algorithm>
#include <stdexcept>

namespace {

class KeyUpFilter : public QObject
{
public:
    KeyUpFilter(QObject* parent, std::function<void(int)> handler)
        : QObject(parent), m_handler(std::move(handler))
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyRelease)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        runGuarded([&] { m_handler(key); });
        return true;
    }

private:
    std::function<void(int)> m_handler;
};

class DoubleClickFilter : public QObject
{
public:
    DoubleClickFilter(QObject* parent, std::function<void()> handler)
        : QObject(parent), m_handler(std::move(handler))
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick)
            runGuarded(m_handler);
        return false;
    }

private:
    std::function<void()> m_handler;
};

// A record's text may hold line breaks; its row is one line high and shows the first line,
// the rest elided.
class OneLineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        // The base turns line breaks into line separators.
        QStyledItemDelegate::initStyleOption(option, index);
        const auto lineBreak = std::find_if(option->text.cbegin(), option->text.cend(), [](QChar c) {
            return c == QChar::LineSeparator || c == u'\n' || c == u'\r';
        });
        if (lineBreak != option->text.cend())
            option->text = option->text.left(lineBreak - option->text.cbegin()) + QChar(0x2026);
        option->features &= ~QStyleOptionViewItem::WrapText;
    }
};

} // namespace

namespace listrows {

void prepareList(QTreeWidget* list)
{
    list->setFont(QFont("MS Sans Serif", 10));
    list->setItemDelegate(new OneLineDelegate(list));
    list->setSortingEnabled(false);
    list->header()->setSectionsClickable(true);
    list->setAlternatingRowColors(true);
    QPalette rows = list->palette();
    rows.setColor(QPalette::Base, Qt::white);
    rows.setColor(QPalette::AlternateBase, QColor(238, 238, 238));
    list->setPalette(rows);
}

void fill(QTreeWidget* list, TListRowBuilder& rows, int column)
{
    TListRows made = rows.takeRows(column);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(made.size()));
    for (auto& row : made)
        items.append(row.release());
    list->header()->setSortIndicator(column, Qt::AscendingOrder);
    list->addTopLevelItems(items);
}

void sortBy(QTreeWidget* list, int column)
{
    TListOrder::sort(list, column);
}

void insertSorted(QTreeWidget* list, std::unique_ptr<TListRow> row, int column)
{
    // After the equal rows, as a stable sort of the whole list would put it.
    int low = 0;
    int high = list->topLevelItemCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (*row < *list->topLevelItem(middle))
            high = middle;
        else
            low = middle + 1;
    }
    list->header()->setSortIndicator(column, Qt::AscendingOrder);
    list->insertTopLevelItem(low, row.release());
}

std::vector<int> selectedRowNumbers(const QTreeWidget* list)
{
    std::vector<int> rows;
    for (const QItemSelectionRange& range : list->selectionModel()->selection()) {
        if (range.parent().isValid() || range.left() > 0)
            continue;
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

QTreeWidgetItem* firstSelected(const QTreeWidget* list)
{
    int first = -1;
    for (const QItemSelectionRange& range : list->selectionModel()->selection())
        if (!range.parent().isValid() && range.left() == 0 && (first < 0 || range.top() < first))
            first = range.top();
    return first < 0 ? nullptr : list->topLevelItem(first);
}

TListRow* findRow(const QTreeWidget* list, int place, QStringView text)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        if (item->type() == TListRow::RowType && static_cast<TListRow*>(item)->place(place) == text)
            return static_cast<TListRow*>(item);
    }
    return nullptr;
}

void removeRows(QTreeWidget* list, std::vector<int> rowNumbers)
{
    if (rowNumbers.empty())
        return;
    std::sort(rowNumbers.begin(), rowNumbers.end(), std::greater<>());
    rowNumbers.erase(std::unique(rowNumbers.begin(), rowNumbers.end()), rowNumbers.end());
    {
        // The selection handlers hear of the change once, when only the remaining rows are left.
        const QSignalBlocker quiet(list);
        // Runs of neighbouring rows go in one step each, from the bottom up, so the numbers
        // above a run stay valid.
        size_t i = 0;
        while (i < rowNumbers.size()) {
            size_t end = i + 1;
            while (end < rowNumbers.size() && rowNumbers[end] == rowNumbers[end - 1] - 1)
                ++end;
            const int first = rowNumbers[end - 1];
            list->model()->removeRows(first, rowNumbers[i] - first + 1);
            i = end;
        }
    }
    // The rows that stay are laid out now: left to the next paint, the layout would ask from
    // within that paint for another one, and the whole list would be painted twice.
    list->doItemsLayout();
    emit list->itemSelectionChanged();
}

void selectAllIfAnySelected(QTreeWidget* list)
{
    if (firstSelected(list))
        list->selectAll();
}

void deleteSelected(QTreeWidget* list, TADOConnection& connection,
                    const std::function<void(QTreeWidgetItem*)>& deleteRecord,
                    const std::function<void()>& reloadList)
{
    const std::vector<int> selected = selectedRowNumbers(list);
    const platform::db::BatchOutcome outcome =
        platform::db::runBatch(connection, static_cast<int>(selected.size()), [&](int i) {
            deleteRecord(list->topLevelItem(selected[static_cast<size_t>(i)]));
        });
    if (outcome.undone)
        reloadList();
    else if (outcome.kept == static_cast<int>(selected.size())) {
        // Every selected row leaves: dropping the selection first spares the view from moving
        // each selected range at every removal. Quietly, as the rows it held go, the list is
        // painted anew, and removeRows tells the handlers of the selection that is left.
        {
            const QSignalBlocker quiet(list->selectionModel());
            list->clearSelection();
        }
        removeRows(list, selected);
    } else
        removeRows(list, std::vector<int>(selected.begin(), selected.begin() + outcome.kept));
    if (!outcome.failure)
        return;
    try {
        std::rethrow_exception(outcome.failure);
    } catch (const std::exception& error) {
        // The message says what the failure left: which of the chosen entries are gone.
        const int count = static_cast<int>(selected.size());
        const int notDeleted = count - outcome.kept;
        const QString deleted =
            outcome.kept == 1
                ? QStringLiteral("1 of the %1 selected entries was deleted").arg(count)
                : QStringLiteral("%1 of the %2 selected entries were deleted").arg(outcome.kept).arg(count);
        const QString rest = notDeleted == 1 ? QStringLiteral("; the other 1 was not.")
                                             : QStringLiteral("; the other %1 were not.").arg(notDeleted);
        const QString left = outcome.kept == 0 ? QStringLiteral("Nothing was deleted.") : deleted + rest;
        throw std::runtime_error(
            QStringLiteral("%1\n\n%2").arg(QString::fromUtf8(error.what()), left).toStdString());
    }
}

void onKeyUp(QTreeWidget* list, std::function<void(int key)> handler)
{
    list->installEventFilter(new KeyUpFilter(list, std::move(handler)));
}

void onDoubleClick(QWidget* widget, std::function<void()> handler)
{
    widget->installEventFilter(new DoubleClickFilter(widget, std::move(handler)));
}

int idIn(const QString& text)
{
    bool ok = false;
    const int id = text.trimmed().toInt(&ok);
    if (!ok)
        throw std::runtime_error(QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString());
    return id;
}

QString trimLeft(const QString& text)
{
    qsizetype first = 0;
    while (first < text.size() && text.at(first).unicode() <= ' ')
        ++first;
    return text.mid(first);
}

} // namespace listrows

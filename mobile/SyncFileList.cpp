#include "mobile/SyncFileList.h"

#include "common/ListRow.h"
#include "common/widgets/DeferredIcon.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>
#include <numeric>

TSyncFileList::TSyncFileList(QObject* parent) : QAbstractTableModel(parent)
{
    QStyle* style = QApplication::style();
    m_fileIcon = deferredStandardIcon(style, QStyle::SP_FileIcon);
    m_folderIcon = deferredStandardIcon(style, QStyle::SP_DirIcon);
    m_sortIcon = deferredStandardIcon(style, QStyle::SP_ArrowUp);
}

int TSyncFileList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TSyncFileList::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString TSyncFileList::text(int row, int column) const
{
    const TSyncRow& r = m_rows[std::size_t(row)];
    const bool pc = r.PcSize >= 0;
    const bool mobile = !r.MobileName.isEmpty();
    switch (column) {
    case 0:
        return r.Name;
    case 1:
        return pc ? QString::number(r.PcSize) : QString();
    case 2:
        return pc ? dosDateTimeText(r.PcTime) : QString();
    case 3:
        return QString(QLatin1Char(r.Mark));
    case 4:
        return r.MobileName;
    case 5:
        return mobile ? QString::number(r.MobileSize) : QString();
    case 6:
        return mobile ? dosDateTimeText(r.MobileTime) : QString();
    default:
        return QString();
    }
}

QVariant TSyncFileList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    const TSyncRow& row = m_rows[std::size_t(index.row())];
    if (role == Qt::TextAlignmentRole && (index.column() == 1 || index.column() == 5))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (index.column() != 0)
        return QVariant();
    if (role == Qt::CheckStateRole)
        return row.Selected ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::DecorationRole)
        return row.Folder ? m_folderIcon : m_fileIcon;
    return QVariant();
}

QVariant TSyncFileList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QVariant();
    if (role == Qt::DisplayRole)
        return section < m_titles.size() ? m_titles[section] : QString();
    if (role == Qt::DecorationRole && section == m_sortImageColumn)
        return m_sortIcon;
    if (role == Qt::TextAlignmentRole && (section == 1 || section == 5))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

Qt::ItemFlags TSyncFileList::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void TSyncFileList::setColumnTitles(const QStringList& titles)
{
    m_titles = titles;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void TSyncFileList::setRows(std::vector<TSyncRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void TSyncFileList::clear()
{
    setRows({});
}

void TSyncFileList::toggle(int row)
{
    TSyncRow& r = m_rows[std::size_t(row)];
    r.Selected = !r.Selected;
    const QModelIndex at = index(row, 0);
    emit dataChanged(at, at, {Qt::CheckStateRole});
}

void TSyncFileList::sortBy(int column)
{
    std::vector<QString> keys;
    if (column != 0) {
        keys.reserve(m_rows.size());
        for (std::size_t i = 0; i < m_rows.size(); ++i)
            keys.push_back(text(int(i), column));
    }
    const auto key = [&](std::size_t i) -> QStringView {
        return column == 0 ? QStringView(m_rows[i].Name) : QStringView(keys[i]);
    };
    std::vector<std::size_t> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    const auto before = [&](std::size_t a, std::size_t b) { return compareListText(key(a), key(b)) < 0; };
    // A list in order already (a second click on the same column) is left as it is.
    if (!std::is_sorted(order.begin(), order.end(), before)) {
        std::stable_sort(order.begin(), order.end(), before);
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        std::vector<TSyncRow> sorted;
        sorted.reserve(m_rows.size());
        std::vector<int> destination(m_rows.size());
        for (std::size_t k = 0; k < order.size(); ++k) {
            sorted.push_back(std::move(m_rows[order[k]]));
            destination[order[k]] = int(k);
        }
        m_rows = std::move(sorted);
        // The view's current row and selection go with their rows.
        const QModelIndexList from = persistentIndexList();
        QModelIndexList to;
        for (const QModelIndex& at : from)
            to.append(index(destination[std::size_t(at.row())], at.column()));
        changePersistentIndexList(from, to);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }
    m_sortImageColumn = column;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

#include "desktop/ContactRows.h"

void TContactBlock::add(QUtf8StringView lastName, QUtf8StringView id)
{
    m_texts.append(lastName.data(), lastName.size());
    m_ends.push_back(m_texts.size());
    m_texts.append(id.data(), id.size());
    m_ends.push_back(m_texts.size());
}

TContactRows::TContactRows(QObject* parent) : QAbstractTableModel(parent) {}

int TContactRows::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.count();
}

int TContactRows::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant TContactRows::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole))
        return {};
    return lastName(index.row());
}

QVariant TContactRows::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole)
        return QStringLiteral("Name");
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags TContactRows::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

void TContactRows::setRows(TContactBlock rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void TContactRows::clear()
{
    setRows({});
}

QUtf8StringView TContactRows::place(int row, int which) const
{
    const size_t end = static_cast<size_t>(row) * 2 + static_cast<size_t>(which);
    const qsizetype from = end == 0 ? 0 : m_rows.m_ends[end - 1];
    return QUtf8StringView(m_rows.m_texts.constData() + from, m_rows.m_ends[end] - from);
}

QString TContactRows::lastName(int row) const
{
    return place(row, 0).toString();
}

QString TContactRows::id(int row) const
{
    return place(row, 1).toString();
}

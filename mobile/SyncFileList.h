#pragma once

// The rows of the sync view's file list: three columns for the PC entry, the mark, three for
// the Mobile Disk entry. Column 0 carries the row's image (file or folder) and its selection
// mark, which only the view's own press handler changes.

#include "mobile/SyncAnalysis.h"

#include <QAbstractTableModel>
#include <QIcon>

class TSyncFileList : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int ColumnCount = 7;

    explicit TSyncFileList(QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setColumnTitles(const QStringList& titles);
    void setRows(std::vector<TSyncRow> rows);
    void clear();
    const std::vector<TSyncRow>& rows() const { return m_rows; }
    // A row's text in a column, as the list shows it.
    QString text(int row, int column) const;
    void toggle(int row);
    // Ascending by the column's text; letters a to z count as A to Z. The column's header shows
    // the sort image, the others none.
    void sortBy(int column);

private:
    std::vector<TSyncRow> m_rows;
    QStringList m_titles;
    int m_sortImageColumn = 0;
    QIcon m_fileIcon, m_folderIcon, m_sortIcon;
};

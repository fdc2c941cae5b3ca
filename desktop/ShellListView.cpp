#include "desktop/ShellListView.h"

#include <QDir>
#include <QStyle>

TShellListView::TShellListView(Entries entries, QWidget* parent) : QListWidget(parent), m_entries(entries) {}

void TShellListView::setRoot(const QString& folder)
{
    m_root = folder;
    m_stale = true;
    if (isVisible())
        refresh();
}

void TShellListView::refresh()
{
    m_stale = false;
    clear();
    if (m_root.isEmpty())
        return;
    QDir::Filters filters = QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    if (m_entries == Entries::FoldersAndFiles)
        filters |= QDir::Files;
    const QFileInfoList entries =
        QDir(m_root).entryInfoList(filters, QDir::DirsFirst | QDir::Name | QDir::IgnoreCase);
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const QFileInfo& entry : entries)
        addItem(new QListWidgetItem(entry.isDir() ? folderIcon : fileIcon, entry.fileName()));
}

void TShellListView::showEvent(QShowEvent* event)
{
    QListWidget::showEvent(event);
    if (m_stale)
        refresh();
}

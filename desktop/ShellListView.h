#pragma once

// A list of one folder's entries, folders first, each group sorted by name. The folder is
// read when the list is on screen (or on refresh()), so a list on a page nobody opens costs
// nothing at start-up.

#include <QListWidget>

class TShellListView : public QListWidget
{
    Q_OBJECT
public:
    enum class Entries { FoldersAndFiles, FoldersOnly };

    TShellListView(Entries entries, QWidget* parent);

    QString root() const { return m_root; }
    // An empty root shows nothing.
    void setRoot(const QString& folder);
    // Reads the root folder again now.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Entries m_entries;
    QString m_root;
    bool m_stale = false;
};

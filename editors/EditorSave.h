#pragma once

// What an editor's OK says when a save is not what it seems: the database file was replaced
// after the entry was opened, the entry was deleted meanwhile, or a step after the save
// failed. In the first two cases nothing is written and the editor keeps the user's text; in
// the last the entry is stored once and the editor says so.

#include <QObject>
#include <functional>

class QWidget;
class TADOConnection;

namespace editorsave {

// Says that the entry an edit was for no longer exists, so nothing was saved; `textKept` when
// the editor still holds what the user typed.
void sayEntryGone(QWidget* editor, bool textKept);

// Watches one editor: each time it is shown it takes which open of the database file its
// entry comes from.
class TOpenedEntry : public QObject
{
public:
    TOpenedEntry(QWidget* editor, TADOConnection& connection);

    // Before an Edit's statement: true when the file is the one the entry was read from;
    // otherwise says that nothing was saved.
    bool sameFile();
    // After an Edit's statement: true when it changed the entry; otherwise says that the entry
    // no longer exists.
    bool entryChanged(int rowsChanged);
    // Runs what follows a save that succeeded; a failure among those steps is told as one
    // that came after the entry was saved.
    void afterSave(const std::function<void()>& steps);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_editor;
    TADOConnection& m_connection;
    qint64 m_opening = 0;
};

} // namespace editorsave

#include "editors/EditorSave.h"

#include "platform/Database.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace editorsave {

TOpenedEntry::TOpenedEntry(QWidget* editor, TADOConnection& connection)
    : QObject(editor), m_editor(editor), m_connection(connection)
{
    editor->installEventFilter(this);
}

bool TOpenedEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editor && event->type() == QEvent::Show)
        m_opening = m_connection.opening();
    return false;
}

bool TOpenedEntry::sameFile()
{
    if (m_connection.currentOpening() == m_opening)
        return true;
    platform::dialogs::messageBox(
        m_editor,
        "The database changed under this editor: \"desktop.mdb\" was replaced on "
        "disk after this entry was opened, so nothing was saved. Your text is still "
        "here.",
        QApplication::applicationName(), platform::dialogs::Icon::Warning);
    return false;
}

void sayEntryGone(QWidget* editor, bool textKept)
{
    const QString gone =
        QStringLiteral("This entry no longer exists: it was deleted after it was opened here, so "
                       "nothing was saved.");
    platform::dialogs::messageBox(editor,
                                  textKept ? gone + QStringLiteral(" Your text is still here.") : gone,
                                  QApplication::applicationName(), platform::dialogs::Icon::Warning);
}

bool TOpenedEntry::entryChanged(int rowsChanged)
{
    if (rowsChanged > 0)
        return true;
    sayEntryGone(m_editor, true);
    return false;
}

void TOpenedEntry::afterSave(const std::function<void()>& steps)
{
    try {
        steps();
    } catch (const std::exception& error) {
        platform::dialogs::messageBox(
            m_editor,
            QStringLiteral("The entry was saved, but showing it afterwards failed: %1").arg(error.what()),
            QApplication::applicationName(), platform::dialogs::Icon::Warning);
    }
}

} // namespace editorsave

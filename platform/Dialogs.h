#pragma once

// Every message box, folder picker, save dialog and shell launch of the organiser goes through here.
// In a real run they use Qt; a test installs a Driver that answers and records them, so
// no test ever waits on a real modal loop.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace platform::dialogs {

enum class Icon { None, Information, Warning, Error, Question };
enum Button { Ok = 0x1, Cancel = 0x2, Yes = 0x4, No = 0x8 };

struct MessageRequest
{
    QString text;
    QString title;
    Icon icon = Icon::None;
    int buttons = Ok;
};

struct FolderRequest
{
    QString title;
    QString root; // empty: the whole file system
};

struct SaveFileRequest
{
    QString title;
    QString suggested; // path proposed to the user
    QString filter;    // "PDF files (*.pdf)"
};

struct ShellRequest
{
    QString verb;   // "open", "explore"
    QString file;   // a program ("IEXPLORE.EXE"), a folder or a document
    QString params; // for the browser: the address to open
};

// What stands in for the user and the desktop while tests run.
class Driver
{
public:
    virtual ~Driver() = default;
    virtual int answerMessage(const MessageRequest& request) = 0;
    virtual QString answerFolder(const FolderRequest& request) = 0; // empty: cancelled
    virtual bool shellOpen(const ShellRequest& request) = 0;
    // Empty: cancelled. Drivers that expect no save dialog cancel it.
    virtual QString answerSaveFile(const SaveFileRequest&) { return QString(); }
};

// nullptr restores the real dialogs.
void setDriver(Driver* driver);

// Shows a modal message box; returns the Button pressed.
int messageBox(QWidget* parent, const QString& text, const QString& title, Icon icon = Icon::None,
               int buttons = Ok);
// Folder picker; the chosen folder without a trailing "/", or empty when cancelled. `place`,
// when given, runs once the picker is on screen, with the picker, so the caller can move it.
QString selectFolder(QWidget* parent, const QString& title, const QString& root = QString(),
                     const std::function<void(QWidget* picker)>& place = {});
// Asks for the name of a file to write; empty when cancelled. It asks nothing about an existing
// file: the caller knows which files it will write.
QString saveFileName(QWidget* parent, const QString& title, const QString& suggested, const QString& filter);
// "open" on "IEXPLORE.EXE" with an address opens the web browser; "open" or "explore" on a
// folder opens a file manager; "open" on a document opens it with its program.
bool shellExecute(const QString& verb, const QString& file, const QString& params = QString());

} // namespace platform::dialogs

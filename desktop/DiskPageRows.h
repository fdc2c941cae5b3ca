#pragma once

// The file list shared by the Backup and Restore pages (one row per file: its path, its
// target, size, modification time and state), the copy run both pages make over it, and the
// names of the backup folders.

#include "platform/Files.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

class QPlainTextEdit;
class QProgressBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace diskpage {

// The file and target texts are paths as platform/FileNames.h reads them: a name that is not
// UTF-8 keeps its bytes there, so those texts go to the file layer as they stand.
enum Column { FileColumn, TargetColumn, SizeColumn, ModifiedColumn, StateColumn };

// The moment a backup folder's 14-digit name stands for; invalid for any other name.
QDateTime backupMoment(const QString& name);

// "yyyy/mm/dd hh:nn:ss" in local time with the user's date and time separators; the seconds
// are even, as the file system's packed date-time keeps them.
QString modifiedText(std::int64_t modifiedNs);
// A new row for the file; its target is still empty.
QTreeWidgetItem* fileRow(const platform::files::FileEntry& entry);
// Marks the row as having no relative name under its prefix: it is never copied.
void markWithoutTarget(QTreeWidgetItem* row);
bool hasTarget(const QTreeWidgetItem* row);
// The folder parts of the rows' targets (up to and including the last "/") in order of
// first appearance, rows without a target left out.
QStringList targetFolders(const QTreeWidget* list);
// While it lives, changes to the list's rows are not announced one by one; the list is
// repainted once at the end. For passes over every row of a long list.
class QuietRows
{
public:
    explicit QuietRows(QTreeWidget* list);
    ~QuietRows();
    QuietRows(const QuietRows&) = delete;
    QuietRows& operator=(const QuietRows&) = delete;

private:
    QTreeWidget* m_list;
    bool m_wasBlocked;
};

// Sets the bar's position. A bar paints itself at once on every change, which on a scan of
// many small files costs more than the scan: it is drawn at once at most every 50 ms, and
// otherwise with the window's next paint.
void setProgress(QProgressBar* progress, int value);
// Raises the bar by one, staying at its maximum once there; `scanning` draws it as
// setProgress does.
void stepProgress(QProgressBar* progress, bool scanning = false);

struct CopyPage
{
    QTreeWidget* list = nullptr;
    QPlainTextEdit* log = nullptr;
    QProgressBar* progress = nullptr;
    // Shown after each folder is made (the Backup page's status label); may be empty.
    std::function<void(const QString& status)> folderMade;
    // Why this target must not be written, or empty; may be empty.
    std::function<QString(const QString& target)> refuse;
};

// Makes each folder, logging " Make Directory:" + folder + "," + milliseconds + "ms".
void makeFolders(const CopyPage& page, const QStringList& folders);

struct CopyReport
{
    int copied = 0;
    int notCopied = 0; // failed, refused, or left when the disk filled
    bool diskFull = false;
};

// Copies every row's file to its target in order, letting the window handle its events
// before each file. A copied row's state becomes "finished" and the log gets "Backup:" +
// source; a failure is logged with its reason and the run goes on, but a full disk ends it.
CopyReport copyRows(const CopyPage& page);

// The closing note on files not copied ("" when all were); `verb` is "copied" or "restored".
QString notCopiedNote(const CopyReport& report, const QString& verb);

} // namespace diskpage

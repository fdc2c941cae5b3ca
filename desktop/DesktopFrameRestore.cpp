// The Restore page: the list of backups beside the program, the analysis of one, and the
// restore that copies it into a folder the user picks.
#include "desktop/CopyRunGuard.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DiskPageRows.h"
#include "desktop/ShellListView.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "platform/SystemInfo.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

constexpr int FolderNameRole = Qt::UserRole;

QString selectedBackup(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->data(FolderNameRole).toString();
}

QString canonical(const QString& path)
{
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? QDir::cleanPath(path) : resolved;
}

// Is `folder` the backup folder or inside it (through any link)?
bool liesInside(const QString& folder, const QString& backup)
{
    const QString inner = canonical(folder);
    const QString outer = canonical(backup);
    return inner == outer || inner.startsWith(outer + '/');
}

} // namespace

void TDesktopFrame::ListBackups()
{
    RestoreListView->clear();
    DirListView->setRoot(platform::sys::programFolder());
    DirListView->refresh();
    for (int i = 0; i < DirListView->count(); ++i) {
        const QString name = DirListView->item(i)->text();
        // Only a name that is a date and time: any other folder is not a backup.
        const QDateTime moment = diskpage::backupMoment(name.trimmed());
        if (!moment.isValid())
            continue;
        auto* row = new QListWidgetItem(platform::locale::dateTimeToStr(moment), RestoreListView);
        row->setData(FolderNameRole, name);
    }
}

void TDesktopFrame::RestoreListViewSelectItem()
{
    const QString name = selectedBackup(RestoreListView);
    if (!name.isEmpty())
        RestoreShellListView->setRoot(platform::sys::programFolder() + name);
}

void TDesktopFrame::RestoreListViewDblClick()
{
    if (RestoreListView->selectedItems().isEmpty())
        return;
    platform::dialogs::shellExecute("explore",
                                    platform::sys::programFolder() + selectedBackup(RestoreListView));
}

void TDesktopFrame::Restore_Analyse_BtnClick()
{
    if (copyRunning())
        return;
    const QString name = selectedBackup(RestoreListView);
    if (name.isEmpty()) {
        platform::dialogs::messageBox(this, "Please Select Restore Project.",
                                      QApplication::applicationName());
        return;
    }
    const QString folder = platform::sys::programFolder() + name;
    RestoreShellListView->setRoot(folder);
    // Rows of an earlier analysis would be copied twice or not at all.
    RestoreProcessListView->clear();
    GETFILE_A(folder, RestoreProcessListView, RestoreFileProgressBar, RestoreMemo);
    RestoreFileProgressBar->setValue(RestoreFileProgressBar->maximum());
    platform::dialogs::messageBox(this, "Restore Analyse Finished ", QApplication::applicationName());
    Restore_Analyse_Btn->setEnabled(false);
    Restore_Button->setEnabled(true);
}

void TDesktopFrame::Restore_ButtonClick()
{
    if (copyRunning())
        return;
    const QList<QListWidgetItem*> selected = RestoreListView->selectedItems();
    if (selected.isEmpty()) {
        platform::dialogs::messageBox(this, "Please Select Restore Project ",
                                      QApplication::applicationName());
        return;
    }
    {
        CopyRunGuard run(this);
        const QString backup =
            platform::sys::programFolder() + selected.constFirst()->data(FolderNameRole).toString();
        const int answer = platform::dialogs::messageBox(
            this, selected.constFirst()->text() + " Data Restore", "Restore", platform::dialogs::Icon::None,
            platform::dialogs::Ok | platform::dialogs::Cancel);
        const QString target =
            answer == platform::dialogs::Ok ? SelectFolder("Select Restore folder", 1) : QString();
        if (!target.isEmpty() && liesInside(target, backup)) {
            platform::dialogs::messageBox(
                this,
                "The restore folder lies inside the backup, which the restore would "
                "overwrite. Please select another folder.",
                "Restore", platform::dialogs::Icon::Warning);
        } else if (!target.isEmpty()) {
            platform::dialogs::messageBox(this, "Selected Restore Directory : \r\n" + target,
                                          QApplication::applicationName());
            FilterDirList(backup, 0, RestoreProcessListView);
            for (int i = 0; i < RestoreProcessListView->topLevelItemCount(); ++i) {
                QTreeWidgetItem* row = RestoreProcessListView->topLevelItem(i);
                row->setText(diskpage::TargetColumn, target + row->text(diskpage::TargetColumn));
            }
            PageControl2->setCurrentIndex(2);
            // The open database is never replaced under the running program.
            const std::optional<platform::files::FileId> database =
                platform::files::fileId(connection().databasePath());
            const diskpage::CopyPage page{RestoreProcessListView,
                                          RestoreMemo,
                                          RestoreFileProgressBar,
                                          {},
                                          [database](const QString& path) {
                                              return database && platform::files::fileId(path) == database
                                                         ? QString("it is the database this program has open")
                                                         : QString();
                                          }};
            const QStringList folders = diskpage::targetFolders(RestoreProcessListView);
            diskpage::makeFolders(page, folders);
            // A restore cut short there left its temporary files behind.
            for (const QString& folder : folders)
                platform::files::removeLeftovers(folder);
            RestoreFileProgressBar->setMaximum(RestoreProcessListView->topLevelItemCount());
            RestoreFileProgressBar->setValue(0);
            const diskpage::CopyReport report = diskpage::copyRows(page);
            platform::files::flushFileSystem(target);
            const QString note = diskpage::notCopiedNote(report, "restored");
            if (!note.isEmpty())
                platform::dialogs::messageBox(this, note + " The list names them.", "Restore",
                                              platform::dialogs::Icon::Warning);
        }
    }
    RestoreFileProgressBar->setValue(RestoreFileProgressBar->maximum());
    Restore_Analyse_Btn->setEnabled(true);
    Restore_Button->setEnabled(false);
}

void TDesktopFrame::Restore_CancelBtnClick()
{
    // During a run the change waits for its end.
    if (FCopyRun) {
        FCopyRun->restoreAnalyseEnabled = true;
        FCopyRun->restoreEnabled = false;
        return;
    }
    Restore_Analyse_Btn->setEnabled(true);
    Restore_Button->setEnabled(false);
}

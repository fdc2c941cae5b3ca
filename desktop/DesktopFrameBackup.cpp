// The Backup page: choosing the source folders, the analysis that lists every file with its
// target in a new dated folder beside the program, and the backup that copies them there.
#include "desktop/CopyRunGuard.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DiskPageRows.h"
#include "desktop/ShellListView.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FolderEntries.h"
#include "platform/Locale.h"
#include "platform/ShellFolders.h"
#include "platform/SystemInfo.h"
#include "platform/WindowsOS.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QThread>
#include <QTreeWidget>

using namespace platform::shell;

namespace {

// The rows of lvSyncs that stand for standard folders, from row 1 on.
constexpr int StandardFolders[] = {CSIDL_PERSONAL, CSIDL_MYPICTURES, CSIDL_MYVIDEO, CSIDL_MYMUSIC};
constexpr int FirstUserRow = 5;

QString backupFolderName(const QDateTime& moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    return QString::asprintf("%.4d%.2d%.2d%.2d%.2d%.2d", date.year(), date.month(), date.day(), time.hour(),
                             time.minute(), time.second());
}

QString pathOfRow(const QListWidget* list, int row)
{
    if (row >= 1 && row < FirstUserRow)
        return TDesktopFrame::GetSpecialFolderPath(StandardFolders[row - 1]);
    return list->item(row)->text();
}

qint64 totalBytes(const QTreeWidget* list)
{
    double total = 0;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        total += double(list->topLevelItem(i)->text(diskpage::SizeColumn).toLongLong());
    return qint64(total);
}

// Copies of earlier backups cut short left their temporary files deep in those backups' folders,
// where no later run writes. Every dated folder of the program folder but `own`, this run's, is
// cleared of them; a link of such a name leads to no folder a backup made, and is not entered.
void clearEarlierBackups(const QString& own)
{
    const QString program = platform::sys::programFolder();
    for (const platform::files::FolderEntry& entry : platform::files::listFolder(program))
        if (entry.kind == platform::files::FolderEntry::Folder &&
            diskpage::backupMoment(entry.name.trimmed()).isValid() && program + entry.name != own)
            platform::files::removeLeftoversBelow(program + entry.name);
}

} // namespace

void TDesktopFrame::lvSyncsSelectItem()
{
    const QList<QListWidgetItem*> selected = lvSyncs->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = lvSyncs->row(selected.constFirst());
    if (row >= 1)
        ShellListView1->setRoot(pathOfRow(lvSyncs, row));
}

void TDesktopFrame::lvSyncsDblClick()
{
    const QList<QListWidgetItem*> selected = lvSyncs->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = lvSyncs->row(selected.constFirst());
    if (row == 0) {
        const QString folder = SelectFolder("Select a folder", 1);
        if (!folder.isEmpty())
            lvSyncs->addItem(folder);
        return;
    }
    const QString folder = pathOfRow(lvSyncs, row);
    platform::dialogs::shellExecute("explore", folder);
    if (row < FirstUserRow)
        ShellListView1->setRoot(folder);
}

QString TDesktopFrame::newBackupFolderName() const
{
    const QDateTime moment = platform::clock::now();
    QDateTime candidate = moment.addMSecs(-moment.time().msec());
    // A folder already made this second belongs to an earlier backup: take the next second,
    // and wait for it, so the name still tells when the backup was made.
    while (QFileInfo::exists(platform::sys::programFolder() + backupFolderName(candidate)))
        candidate = candidate.addSecs(1);
    if (candidate > moment)
        QThread::msleep(static_cast<unsigned long>(moment.msecsTo(candidate)));
    return backupFolderName(candidate);
}

void TDesktopFrame::Analyse_BnClick()
{
    if (copyRunning())
        return;
    FBackupFolder = platform::sys::programFolder() + newBackupFolderName().trimmed();
    const QString version = GetWindowsVersionName();
    Analyse_Bn->setEnabled(false);
    ProcessListView->clear();
    const QString started = platform::locale::dateTimeToStr(platform::clock::now());
    FileLabel->setText("Start Analyse ," + started);
    FileLabel->repaint();
    ActionMemo->appendPlainText(started + ": Analysis Process");
    FileProgressBar->setRange(0, 100);
    diskpage::setProgress(FileProgressBar, 0);
    diskpage::setProgress(FileProgressBar, 20);
    QStringList standard;
    for (int csidl : StandardFolders)
        standard << GetSpecialFolderPath(csidl);
    diskpage::setProgress(FileProgressBar, 30);
    QElapsedTimer timer;
    timer.start();

    const auto scanStandard = [&](int index) {
        if (standard[index].isEmpty())
            return;
        const int start = ProcessListView->topLevelItemCount();
        GETFILE_A(standard[index], ProcessListView, FileProgressBar, ActionMemo);
        QString prefix;
        ProfilePrefix(standard[index], prefix);
        FilterDirList(prefix, start, ProcessListView);
    };
    // A user's folder keeps its whole path below the backup folder: its prefix is the root.
    const auto scanUserFolders = [&] {
        for (int row = FirstUserRow; row < lvSyncs->count(); ++row) {
            const int start = ProcessListView->topLevelItemCount();
            GETFILE_A(lvSyncs->item(row)->text(), ProcessListView, FileProgressBar, ActionMemo);
            FilterDirList(QString(), start, ProcessListView);
        }
    };
    if (version.left(20) == "Microsoft Windows XP") {
        scanStandard(0);
        scanUserFolders();
    } else if (version.left(23) == "Microsoft Windows Vista") {
        for (int i = 0; i < 4; ++i)
            scanStandard(i);
        scanUserFolders();
    }
    diskpage::setProgress(FileProgressBar, 40);
    const qint64 elapsed = timer.elapsed();

    const qint64 total = totalBytes(ProcessListView);
    {
        const diskpage::QuietRows quiet(ProcessListView);
        for (int i = 0; i < ProcessListView->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = ProcessListView->topLevelItem(i);
            row->setText(diskpage::TargetColumn, FBackupFolder + row->text(diskpage::TargetColumn));
        }
    }
    FileLabel->setText("Analyse Finished ," + platform::locale::dateTimeToStr(platform::clock::now()) +
                       ", Files:" + QString::number(ProcessListView->topLevelItemCount()) +
                       ",Total Size:" + platform::locale::formatFixed(double(total) / 1073741824.0, 2) +
                       "(Gb)" + QString::number(elapsed) + "(milliseconds)");
    Backup_Btn->setEnabled(true);
    PageControl1->setCurrentIndex(1);
    diskpage::setProgress(FileProgressBar, 100);
}

void TDesktopFrame::Backup_BtnClick()
{
    if (copyRunning())
        return;
    diskpage::CopyReport report;
    qint64 elapsed = 0;
    {
        CopyRunGuard run(this);
        Backup_Btn->setEnabled(false);
        FileLabel->clear();
        FileProgressBar->setRange(0, 100);
        FileProgressBar->setValue(0);
        QElapsedTimer timer;
        timer.start();
        FileProgressBar->setMaximum(ProcessListView->topLevelItemCount() + 10);
        FileProgressBar->setValue(FileProgressBar->value() + 10);
        clearEarlierBackups(FBackupFolder);

        const diskpage::CopyPage page{ProcessListView,
                                      ActionMemo,
                                      FileProgressBar,
                                      [this](const QString& status) { Backup_Label->setText(status); },
                                      {}};
        diskpage::makeFolders(page, diskpage::targetFolders(ProcessListView));
        report = diskpage::copyRows(page);
        // "Finish" must mean the files are on the disk, so pulling it out then loses nothing.
        platform::files::flushFileSystem(QFileInfo::exists(FBackupFolder) ? FBackupFolder
                                                                          : platform::sys::programFolder());
        FileProgressBar->setValue(0);
        elapsed = timer.elapsed();
        FileProgressBar->setValue(FileProgressBar->maximum());
        const QString note = diskpage::notCopiedNote(report, "copied");
        platform::dialogs::messageBox(this,
                                      "Backup Finish ," + QString::number(elapsed / 60000) + "(Minutes)" +
                                          (note.isEmpty() ? QString() : '\n' + note),
                                      QApplication::applicationName());
    }
    QuorvaneFrame1sbBackupClick();
    Backup_Btn->setEnabled(false);
    PageControl1->setCurrentIndex(2);
    Analyse_Bn->setEnabled(true);
}

void TDesktopFrame::CancelButton_BtnClick()
{
    // During a run the change waits for its end.
    if (FCopyRun) {
        FCopyRun->analyseEnabled = true;
        FCopyRun->backupEnabled = false;
        return;
    }
    Analyse_Bn->setEnabled(true);
    Backup_Btn->setEnabled(false);
}

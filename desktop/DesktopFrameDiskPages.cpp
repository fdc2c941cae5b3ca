// What the Backup and Restore pages share: the file scan, the relative names, the special
// folders, the folder picker and the guard around a copy run.
#include "desktop/CopyRunGuard.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DiskPageRows.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/ShellFolders.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

void TDesktopFrame::connectDiskPageEvents()
{
    connect(lvSyncs, &QListWidget::itemSelectionChanged, this,
            guarded(this, &TDesktopFrame::lvSyncsSelectItem));
    connect(lvSyncs, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem*) { runGuarded([this] { lvSyncsDblClick(); }); });
    connect(CancelButton_Btn, &QPushButton::clicked, this,
            guarded(this, &TDesktopFrame::CancelButton_BtnClick));
    connect(RestoreListView, &QListWidget::itemSelectionChanged, this,
            guarded(this, &TDesktopFrame::RestoreListViewSelectItem));
    connect(RestoreListView, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem*) { runGuarded([this] { RestoreListViewDblClick(); }); });
    connect(Restore_Analyse_Btn, &QPushButton::clicked, this,
            guarded(this, &TDesktopFrame::Restore_Analyse_BtnClick));
    connect(Restore_CancelBtn, &QPushButton::clicked, this,
            guarded(this, &TDesktopFrame::Restore_CancelBtnClick));
}

void TDesktopFrame::GETFILE_A(QString Dir, QTreeWidget* List, QProgressBar* Progress, QPlainTextEdit* Log)
{
    if (!Dir.endsWith('/'))
        Dir += '/';
    // The rows are added together: one at a time, the list would redo its layout per file.
    QList<QTreeWidgetItem*> rows;
    platform::files::walk(
        Dir,
        [&](const platform::files::FileEntry& entry) {
            rows.append(diskpage::fileRow(entry));
            diskpage::stepProgress(Progress, true);
        },
        [&](const QString& folder, int) { Log->appendPlainText("Unreadable folder:" + folder); });
    List->addTopLevelItems(rows);
}

int TDesktopFrame::FilterDirList(const QString& Prefix, int StartIndex, QTreeWidget* List)
{
    const diskpage::QuietRows quiet(List);
    for (int i = StartIndex; i < List->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = List->topLevelItem(i);
        const QString caption = row->text(diskpage::FileColumn);
        // Only at the start and with its letter case: anything else is no path below Prefix.
        if (caption.startsWith(Prefix)) {
            row->setText(diskpage::TargetColumn, caption.mid(Prefix.size()));
        } else {
            row->setText(diskpage::TargetColumn, "Error:" + Prefix);
            diskpage::markWithoutTarget(row);
        }
    }
    return List->topLevelItemCount();
}

void TDesktopFrame::ProfilePrefix(const QString& Path, QString& Prefix)
{
    QString folder = Path;
    while (folder.size() > 1 && folder.endsWith('/'))
        folder.chop(1);
    Prefix = folder.left(folder.lastIndexOf('/'));
}

QString TDesktopFrame::GetSpecialFolderPath(int CSIDL)
{
    return platform::shell::specialFolderPath(CSIDL, false);
}

QString TDesktopFrame::SelectFolder(const QString& Title, unsigned)
{
    return platform::dialogs::selectFolder(QApplication::activeWindow(), Title, QString(),
                                           CenterBrowseDialog);
}

void TDesktopFrame::CenterBrowseDialog(QWidget* Picker)
{
    const QScreen* screen = Picker->screen() ? Picker->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Centred in the work area, a task bar at the left or top included.
    const QRect area = screen->availableGeometry();
    const QSize size = Picker->frameGeometry().size();
    Picker->move(area.left() + area.width() / 2 - size.width() / 2,
                 area.top() + area.height() / 2 - size.height() / 2);
    Picker->update();
}

CopyRunGuard::CopyRunGuard(TDesktopFrame* frame)
    : m_frame(frame), m_state{frame->Analyse_Bn->isEnabled(), frame->Backup_Btn->isEnabled(),
                              frame->Restore_Analyse_Btn->isEnabled(), frame->Restore_Button->isEnabled()}
{
    frame->FCopyRun = &m_state;
    for (QPushButton* button :
         {frame->Analyse_Bn, frame->Backup_Btn, frame->Restore_Analyse_Btn, frame->Restore_Button})
        button->setEnabled(false);
}

CopyRunGuard::~CopyRunGuard()
{
    m_frame->Analyse_Bn->setEnabled(m_state.analyseEnabled);
    m_frame->Backup_Btn->setEnabled(m_state.backupEnabled);
    m_frame->Restore_Analyse_Btn->setEnabled(m_state.restoreAnalyseEnabled);
    m_frame->Restore_Button->setEnabled(m_state.restoreEnabled);
    m_frame->FCopyRun = nullptr;
    emit m_frame->copyRunFinished();
}

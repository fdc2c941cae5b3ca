// The sync view's analysis and synchronise step.
#include "common/SharedTexts.h"
#include "mobile/PelloranFrame.h"
#include "mobile/SyncFileList.h"
#include "platform/Files.h"
#include "platform/Locale.h"
#include "platform/SystemInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSet>
#include <QTreeView>
#include <stdexcept>

namespace {

const char* const PcFolderRefused =
    "The PC folder \"%1\" is not a full path of this computer. Choose it with Browse.";
const char* const MobileFolderRefused =
    "The Mobile Disk folder \"%1\" does not lie on the Mobile Disk. Choose it with Browse.";
const char* const NotCompleted = "Synchronize did not complete.";
const char* const SomeNotCopied = "Synchronize completed, but %1 of the selected files could not be copied.";

QString withNumber(const QString& text, int number)
{
    return QString(text).replace(QStringLiteral("%d"), QString::number(number));
}

QString diskFullText(int id, std::int64_t freeBytes, const QString& mountPoint)
{
    return SharedTexts::load(id)
        .replace(QStringLiteral("%s"), mountPoint)
        .replace(QStringLiteral("%.0n"), platform::locale::formatThousands(double(freeBytes)));
}

// A bar whose maximum is 0 shows Qt's busy animation instead of an empty bar.
void setMaximum(QProgressBar* bar, int maximum)
{
    bar->setMaximum(std::max(maximum, 1));
}

// The step runs without yielding, so a bar shows its progress only by painting at once; painting
// at every file would take longer than copying small ones, so it paints at most every 100 ms.
void advance(QProgressBar* bar, QElapsedTimer& sincePaint)
{
    bar->setUpdatesEnabled(false);
    bar->setValue(std::max(bar->value(), 0) + 1);
    bar->setUpdatesEnabled(true);
    if (sincePaint.hasExpired(100)) {
        bar->repaint();
        sincePaint.restart();
    }
}

} // namespace

void TPelloranFrame::showCounts()
{
    m_statusPanels[0]->setText(withNumber(SharedTexts::load(64967), m_files->rowCount()));
    m_statusPanels[1]->setText(withNumber(SharedTexts::load(64968), FPcChanged));
    m_statusPanels[2]->setText(withNumber(SharedTexts::load(64969), FMobileChanged));
}

bool TPelloranFrame::analyse()
{
    // A folder from a file written on another system (a drive letter), or none at all, would
    // be read relative to wherever the program runs.
    const QString pcText = edtPC->text();
    if (!pcText.startsWith('/')) {
        syncMessage(this, QString(PcFolderRefused).arg(pcText), platform::dialogs::Icon::Warning);
        return false;
    }
    const QString mobileFolder =
        folderText(QString(FMobileRoot + edtUsb->text()).replace(QStringLiteral("//"), QStringLiteral("/")));
    // A file from elsewhere may name a folder with ".." that climbs out of the disk.
    if (!folderText(QDir::cleanPath(mobileFolder)).startsWith(FMobileRoot)) {
        syncMessage(this, QString(MobileFolderRefused).arg(edtUsb->text()), platform::dialogs::Icon::Warning);
        return false;
    }
    m_files->clear();
    pbPC->setValue(0);
    pbUsb->setValue(0);
    const QString pcFolder = folderText(pcText);
    if (pcFolder == mobileFolder) {
        syncMessage(this, SharedTexts::load(64975), platform::dialogs::Icon::Warning);
        return true;
    }
    TSyncAnalysis analysis(ckbSubDir->isChecked(), syncTargets(cbDirect->currentIndex()));
    analysis.AnalyseFolders(pcFolder, mobileFolder);
    std::vector<TSyncRow> rows = analysis.takeRows();
    preselectRows(rows, cbDirect->currentIndex());
    m_files->setRows(std::move(rows));
    lvFilesColumnClick(FSortColumn);
    CountChanges();
    showCounts();
    return true;
}

void TPelloranFrame::actAnalyseExecute()
{
    analyse();
}

void TPelloranFrame::actAnalyseSyncExecute()
{
    if (!analyse())
        return;
    using namespace platform::dialogs;
    if (syncMessage(this, SharedTexts::load(64974), Icon::Question, Yes | No) == Yes)
        actSyncExecute();
}

void TPelloranFrame::CountChanges()
{
    FPcChanged = 0;
    FMobileChanged = 0;
    for (const TSyncRow& row : m_files->rows()) {
        if (!row.Selected)
            continue;
        FPcChanged += row.Mark == '>';
        FMobileChanged += row.Mark == '<';
    }
    setMaximum(pbPC, FPcChanged);
    setMaximum(pbUsb, FMobileChanged);
}

void TPelloranFrame::lvFilesMouseDown(int x, int y)
{
    ToggleItemAt(x, y);
}

void TPelloranFrame::ToggleItemAt(int, int y)
{
    const int count = m_files->rowCount();
    if (count == 0)
        return;
    // A row's bounds take in its bottom edge, which is the next row's top: a press there
    // belongs to the upper row.
    QModelIndex at = lvFiles->indexAt(QPoint(0, y));
    if (at.isValid() && at.row() > 0 && lvFiles->visualRect(at).top() == y)
        at = m_files->index(at.row() - 1, 0);
    if (!at.isValid()) {
        const QModelIndex last = m_files->index(count - 1, 0);
        if (lvFiles->visualRect(last).bottom() + 1 != y)
            return;
        at = last;
    }
    m_files->toggle(at.row());
}

void TPelloranFrame::actSyncExecute()
{
    CountChanges();
    try {
        const QString pcFolder = folderText(edtPC->text());
        const QString mobileFolder = folderText(
            QString(FMobileRoot + edtUsb->text()).replace(QStringLiteral("//"), QStringLiteral("/")));
        // Windows refuses to replace a file in use; the open database is the one such file here.
        const auto database = platform::files::fileId(FAppPath + "desktop.mdb");
        const auto isDatabase = [&database](const QString& target) {
            return database && target.endsWith(QStringLiteral("/desktop.mdb")) &&
                   platform::files::fileId(target) == database;
        };
        QSet<QString> folders; // known to exist
        QElapsedTimer sincePaint;
        sincePaint.start();
        platform::files::TargetRegister written;
        platform::files::SpaceCounter space;
        int failed = 0;
        bool full = false;
        bool wroteMobile = false, wrotePc = false;
        for (const TSyncRow& row : m_files->rows()) {
            if (!row.Selected || (row.Mark != '>' && row.Mark != '<'))
                continue;
            const bool toMobile = row.Mark == '>';
            const QString pcPath = pcFolder + row.Name;
            const QString mobilePath = mobileFolder + (row.MobileName.isEmpty() ? row.Name : row.MobileName);
            const QString& source = toMobile ? pcPath : mobilePath;
            const QString& target = toMobile ? mobilePath : pcPath;
            const std::int64_t size = std::max<std::int64_t>(toMobile ? row.PcSize : row.MobileSize, 0);

            std::int64_t available = space.available(target, size);
            platform::files::CopyResult result{platform::files::CopyStatus::NoSpace, 0};
            if (available > size) {
                const QString folder = target.left(target.lastIndexOf('/'));
                if (!folders.contains(folder)) {
                    platform::files::makePath(folder);
                    folders.insert(folder);
                }
                if (isDatabase(target) || written.collides(source, target)) {
                    ++failed;
                    continue;
                }
                result = platform::files::copyFile(source, target);
            }
            if (result.status == platform::files::CopyStatus::NoSpace) {
                const platform::files::FreeSpace left = platform::files::freeSpace(target);
                // After a copy that did not fit, the space left now; before one, what was measured.
                if (result.error != 0)
                    available = left.availableBytes;
                syncMessage(this,
                            toMobile ? diskFullText(64945, available, QString())
                                     : diskFullText(64944, available, left.mountPoint),
                            platform::dialogs::Icon::Warning);
                full = true;
                break;
            }
            if (!result.ok()) {
                ++failed;
                continue;
            }
            written.add(source, target);
            space.wrote(target, size);
            (toMobile ? wroteMobile : wrotePc) = true;
            advance(toMobile ? pbPC : pbUsb, sincePaint);
        }
        // The user may pull the disk as soon as the step reports its end.
        if (wroteMobile)
            platform::files::flushFileSystem(mobileFolder);
        if (wrotePc)
            platform::files::flushFileSystem(pcFolder);
        if (full)
            syncMessage(this, NotCompleted, platform::dialogs::Icon::Warning);
        else if (failed > 0)
            syncMessage(this, QString(SomeNotCopied).arg(failed), platform::dialogs::Icon::Warning);
        else
            syncMessage(this, SharedTexts::load(64946), platform::dialogs::Icon::Information);
    } catch (const std::exception&) {
        throw std::runtime_error(SharedTexts::load(64947).toStdString());
    }
}

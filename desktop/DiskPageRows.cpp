#include "desktop/DiskPageRows.h"

#include "platform/Locale.h"
#include "platform/WindowsOS.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTreeWidget>
#include <ctime>
#include <vector>

using namespace platform::files;

namespace diskpage {

namespace {
constexpr int NoTargetRole = Qt::UserRole;

void processEvents()
{
    QCoreApplication::processEvents();
}
} // namespace

QDateTime backupMoment(const QString& name)
{
    if (name.size() != 14)
        return QDateTime();
    for (const QChar c : name)
        if (c < '0' || c > '9')
            return QDateTime();
    const auto number = [&](int from, int length) { return name.mid(from, length).toInt(); };
    const QDate date(number(0, 4), number(4, 2), number(6, 2));
    const QTime time(number(8, 2), number(10, 2), number(12, 2));
    return date.isValid() && time.isValid() ? QDateTime(date, time) : QDateTime();
}

QString modifiedText(std::int64_t modifiedNs)
{
    const std::time_t seconds = std::time_t(modifiedNs / 1000000000 - (modifiedNs % 1000000000 < 0 ? 1 : 0));
    struct tm local;
    if (!::localtime_r(&seconds, &local))
        return QString();
    const auto& settings = platform::locale::formatSettings();
    // Written digit by digit: one text per file of a long scan.
    QString text(19, Qt::Uninitialized);
    QChar* out = text.data();
    const auto put = [&out](int value, int digits) {
        for (int i = digits - 1; i >= 0; --i, value /= 10)
            out[i] = QChar(u'0' + value % 10);
        out += digits;
    };
    put(local.tm_year + 1900, 4);
    *out++ = settings.DateSeparator;
    put(local.tm_mon + 1, 2);
    *out++ = settings.DateSeparator;
    put(local.tm_mday, 2);
    *out++ = u' ';
    put(local.tm_hour, 2);
    *out++ = settings.TimeSeparator;
    put(local.tm_min, 2);
    *out++ = settings.TimeSeparator;
    put(local.tm_sec & ~1, 2);
    return text;
}

QTreeWidgetItem* fileRow(const FileEntry& entry)
{
    auto* row = new QTreeWidgetItem;
    row->setText(FileColumn, entry.path);
    row->setText(SizeColumn, QString::number(entry.size));
    row->setText(ModifiedColumn, modifiedText(entry.modifiedNs));
    row->setTextAlignment(SizeColumn, Qt::AlignRight | Qt::AlignVCenter);
    return row;
}

void markWithoutTarget(QTreeWidgetItem* row)
{
    row->setData(TargetColumn, NoTargetRole, true);
}

bool hasTarget(const QTreeWidgetItem* row)
{
    return !row->data(TargetColumn, NoTargetRole).toBool();
}

QStringList targetFolders(const QTreeWidget* list)
{
    QStringList folders;
    QSet<QString> seen;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list->topLevelItem(i);
        if (!hasTarget(row))
            continue;
        const QString target = row->text(TargetColumn);
        const QString folder = target.left(target.lastIndexOf('/') + 1);
        if (!seen.contains(folder)) {
            seen.insert(folder);
            folders.append(folder);
        }
    }
    return folders;
}

QuietRows::QuietRows(QTreeWidget* list) : m_list(list), m_wasBlocked(list->model()->blockSignals(true)) {}

QuietRows::~QuietRows()
{
    m_list->model()->blockSignals(m_wasBlocked);
    m_list->viewport()->update();
}

void setProgress(QProgressBar* progress, int value)
{
    static QElapsedTimer sinceDrawn;
    if (!sinceDrawn.isValid() || sinceDrawn.elapsed() >= 50) {
        sinceDrawn.start();
        progress->setValue(value);
        return;
    }
    progress->setUpdatesEnabled(false);
    progress->setValue(value);
    progress->setUpdatesEnabled(true);
}

void stepProgress(QProgressBar* progress, bool scanning)
{
    if (progress->value() >= progress->maximum())
        return;
    // A copy lets the window paint between files anyway, and the bar repaints itself only when
    // a step moves it by a pixel.
    if (scanning)
        setProgress(progress, progress->value() + 1);
    else
        progress->setValue(progress->value() + 1);
}

void makeFolders(const CopyPage& page, const QStringList& folders)
{
    for (const QString& folder : folders) {
        processEvents();
        QElapsedTimer timer;
        timer.start();
        ForceDirectoryPath(folder);
        const QString status = "Make Directory:" + folder + "," + QString::number(timer.elapsed()) + "ms";
        page.log->appendPlainText(' ' + status);
        if (page.folderMade)
            page.folderMade(status);
    }
}

CopyReport copyRows(const CopyPage& page)
{
    std::vector<QTreeWidgetItem*> rows;
    for (int i = 0; i < page.list->topLevelItemCount(); ++i)
        rows.push_back(page.list->topLevelItem(i));
    CopyReport report;
    TargetRegister written;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        processEvents();
        QTreeWidgetItem* row = rows[i];
        const QString source = row->text(FileColumn);
        const QString target = row->text(TargetColumn);
        QString refusal;
        if (!hasTarget(row))
            refusal = "it has no place in the target";
        else if (page.refuse)
            refusal = page.refuse(target);
        if (refusal.isEmpty() && written.collides(source, target))
            refusal = "another file of this run was written to " + target;
        if (!refusal.isEmpty()) {
            ++report.notCopied;
            page.log->appendPlainText("Failed:" + source + " (" + refusal + ")");
            continue;
        }
        const CopyResult result = copyFile(source, target);
        if (result.status == CopyStatus::NoSpace) {
            report.diskFull = true;
            report.notCopied += int(rows.size() - i);
            const qsizetype left = qsizetype(rows.size() - i);
            page.log->appendPlainText(
                "Failed:" + source + " (" + result.reason() + "); " +
                (left == 1 ? QString("1 file not copied") : QString::number(left) + " files not copied"));
            break;
        }
        if (!result.ok()) {
            ++report.notCopied;
            page.log->appendPlainText("Failed:" + source + " (" + result.reason() + ")");
            continue;
        }
        written.add(source, target);
        ++report.copied;
        row->setText(StateColumn, "finished");
        page.log->appendPlainText("Backup:" + source);
        processEvents();
        stepProgress(page.progress);
    }
    return report;
}

QString notCopiedNote(const CopyReport& report, const QString& verb)
{
    if (report.notCopied == 0)
        return QString();
    const QString note = report.notCopied == 1
                             ? QString("1 file was not %1.").arg(verb)
                             : QString("%1 files were not %2.").arg(report.notCopied).arg(verb);
    return note + (report.diskFull ? " The disk is full." : "");
}

} // namespace diskpage

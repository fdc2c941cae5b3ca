// backup-bench: times the Backup page against the shell's own tools on the same trees, in one
// process, alternating the two so that a drift in the machine's speed hits both alike:
//   backup-analyse-small  Analyse over 20,000 small files in 200 folders
//                         (target <= 2 times find -printf '%p %s %T@\n' of the tree)
//   backup-copy-small     Backup of that analysis, to the disk and flushed
//                         (target <= 1.2 times cp -a of the tree followed by sync -f)
//   backup-analyse-large, backup-copy-large  the same over 20 files of 50 MB
// Each line reads
//   bench <name>: ours <ms> reference <ms> ratio <r> (target <= <t>)
// Before each timed copy the earlier copies are removed and the disk flushed, untimed.
// A backup that reports files it could not copy stops the benchmark.
#include "bench/BenchSupport.h"
#include "desktop/DesktopFrame.h"
#include "platform/Dialogs.h"
#include "platform/SystemInfo.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTreeWidget>
#include <stdexcept>
#include <unistd.h>

namespace {

// Stands in for the user: every message is answered at once.
class Answering : public platform::dialogs::Driver
{
public:
    int answerMessage(const platform::dialogs::MessageRequest& request) override
    {
        messages << request.text;
        return platform::dialogs::Ok;
    }
    QString answerFolder(const platform::dialogs::FolderRequest&) override { return QString(); }
    bool shellOpen(const platform::dialogs::ShellRequest&) override { return true; }

    QStringList messages;
};

void writeTree(const QString& root, int folders, int filesPerFolder, qint64 fileSize)
{
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (qsizetype i = 0; i < block.size(); ++i)
        block[i] = char((i * 131 + i / 977) & 0xFF);
    for (int f = 0; f < folders; ++f) {
        const QString folder = root + QString("/f%1/sub").arg(f, 3, 10, QChar('0'));
        if (!QDir().mkpath(folder))
            throw std::runtime_error("cannot make " + folder.toStdString());
        for (int i = 0; i < filesPerFolder; ++i) {
            QFile file(folder + QString("/file%1.dat").arg(i));
            if (!file.open(QIODevice::WriteOnly))
                throw std::runtime_error("cannot write " + file.fileName().toStdString());
            // Sizes vary a little so that no two files are alike in length.
            for (qint64 left = fileSize + (i % 7) * 97; left > 0; left -= block.size())
                file.write(block.constData(), qMin<qint64>(left, block.size()));
        }
    }
}

void runTool(const QString& command)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start("sh", {"-c", command});
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        throw std::runtime_error("failed: " + command.toStdString());
}

QString quoted(const QString& path)
{
    return "'" + path + "'";
}

void benchTree(TDesktopFrame* frame, Answering& answering, const QString& program, const QString& tree,
               const char* size, int files, int analyseRuns, int copyRuns)
{
    frame->lvSyncs->addItem(tree);
    const QString copy = program + "../cp-copy";
    const auto removeCopies = [&] {
        for (const QString& name : QDir(program).entryList({"2*"}, QDir::Dirs))
            QDir(program + name).removeRecursively();
        QDir(copy).removeRecursively();
        ::sync();
    };
    const auto checkRows = [&] {
        if (frame->ProcessListView->topLevelItemCount() != files)
            throw std::runtime_error(QString("the analysis lists %1 of %2 files")
                                         .arg(frame->ProcessListView->topLevelItemCount())
                                         .arg(files)
                                         .toStdString());
    };
    bench::compare((QString("backup-analyse-") + size).toUtf8().constData(), 2, analyseRuns,
                   [&] { frame->Analyse_BnClick(); },
                   [&] { runTool("find " + quoted(tree) + " -printf '%p %s %T@\\n'"); }, checkRows);

    // Every backup ends with its message, which names files it could not copy.
    const auto checkBackups = [&] {
        for (const QString& message : answering.messages)
            if (!message.startsWith("Backup Finish ,") || message.contains("not copied"))
                throw std::runtime_error("the backup said: " + message.toStdString());
        answering.messages.clear();
    };
    bench::compareChanges(
        (QString("backup-copy-") + size).toUtf8().constData(), 1.2, copyRuns,
        [&] {
            checkBackups();
            removeCopies();
            frame->Analyse_BnClick();
        },
        [&] { frame->Backup_BtnClick(); },
        [&] { runTool("cp -a " + quoted(tree) + " " + quoted(copy) + " && sync -f " + quoted(copy)); });
    checkBackups();
    removeCopies();
    delete frame->lvSyncs->takeItem(frame->lvSyncs->count() - 1);
}

void run(const QString& folder, int runs)
{
    Answering answering;
    platform::dialogs::setDriver(&answering);
    const QString program = folder + "Tessary/";
    QDir().mkpath(program);
    platform::sys::setProgramFolder(program);
    const QString small = folder + "small";
    const QString large = folder + "large";
    writeTree(small, 200, 100, 2000);
    writeTree(large, 20, 1, 50 * 1024 * 1024);
    ::sync();

    TDesktopFrame* frame = bench::showMainWindow();
    answering.messages.clear(); // the window's own notice that the folder holds no database
    // Copies of a gigabyte take seconds each: fewer runs tell as much.
    const int copyRuns = qMax(1, qMin(runs, 7));
    benchTree(frame, answering, program, small, "small", 20000, runs, copyRuns);
    benchTree(frame, answering, program, large, "large", 20, runs, qMin(copyRuns, 5));
    platform::dialogs::setDriver(nullptr);
    QDir(folder).removeRecursively();
}

} // namespace

int main(int argc, char** argv)
{
    return bench::runProgram(argc, argv, "backup-bench",
                             "The folder is scratch space for two trees (1.1 GB).", run);
}

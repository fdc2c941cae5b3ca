// sync-bench: times the sync view's analysis and synchronise step on two trees of 50,000 files
// that differ in 10% of them, against standard tools on the same trees in the same run:
//   sync-analyse  the analysis with its list, against "rsync -rtn --itemize-changes
//                 --modify-window=1" from one tree to the other (target <= 1.0)
//   sync-copy     the step copying the differing files both ways, against "cp -p" of the same
//                 files and "sync -f" of each side (target <= 1.2)
// Both sides of each pair run in turn; before each copy run the trees get their differences
// back, untimed.
#include "bench/BenchSupport.h"
#include "mobile/PelloranFrame.h"
#include "mobile/SyncFileList.h"
#include "platform/SystemInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTreeView>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>

namespace {

constexpr int Folders = 100;
constexpr int FilesPerFolder = 500;
constexpr std::int64_t Base = 1700000000;
constexpr std::int64_t Later = Base + 3600;

enum class Difference { None, PcNewer, DiskNewer, PcOnly, DiskOnly };

Difference differenceOf(int file)
{
    switch (file % 40) {
    case 0:
        return Difference::PcNewer;
    case 10:
        return Difference::DiskNewer;
    case 20:
        return Difference::PcOnly;
    case 30:
        return Difference::DiskOnly;
    default:
        return Difference::None;
    }
}

QString relativeName(int file)
{
    return QString("folder%1/file%2.txt")
        .arg(file / FilesPerFolder, 3, 10, QChar('0'))
        .arg(file, 5, 10, QChar('0'));
}

void setTime(const QString& path, std::int64_t seconds)
{
    const struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
    if (::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) != 0)
        throw std::runtime_error("cannot set the time of " + path.toStdString());
}

void writeFile(const QString& path, const QByteArray& data, std::int64_t seconds)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        throw std::runtime_error("cannot write " + path.toStdString());
    file.close();
    setTime(path, seconds);
}

struct Trees
{
    QString pc;
    QString disk;
    QStringList toDisk; // relative names copied from the PC to the disk
    QStringList toPc;
};

Trees makeTrees(const QString& folder)
{
    Trees trees{folder + "pc/", folder + "disk/", {}, {}};
    const QByteArray data(1024, 'x');
    for (int f = 0; f < Folders; ++f) {
        QDir().mkpath(trees.pc + relativeName(f * FilesPerFolder).section('/', 0, 0));
        QDir().mkpath(trees.disk + relativeName(f * FilesPerFolder).section('/', 0, 0));
    }
    for (int file = 0; file < Folders * FilesPerFolder; ++file) {
        const QString name = relativeName(file);
        const Difference difference = differenceOf(file);
        if (difference != Difference::DiskOnly)
            writeFile(trees.pc + name, data, difference == Difference::PcNewer ? Later : Base);
        if (difference != Difference::PcOnly)
            writeFile(trees.disk + name, data, difference == Difference::DiskNewer ? Later : Base);
        if (difference == Difference::PcNewer || difference == Difference::PcOnly)
            trees.toDisk.append(name);
        if (difference == Difference::DiskNewer || difference == Difference::DiskOnly)
            trees.toPc.append(name);
    }
    return trees;
}

// Gives the trees their differences back after a copy run.
void restoreDifferences(const Trees& trees)
{
    for (int file = 0; file < Folders * FilesPerFolder; file += 10) {
        const QString name = relativeName(file);
        switch (differenceOf(file)) {
        case Difference::PcNewer:
            setTime(trees.disk + name, Base);
            break;
        case Difference::DiskNewer:
            setTime(trees.pc + name, Base);
            break;
        case Difference::PcOnly:
            QFile::remove(trees.disk + name);
            break;
        case Difference::DiskOnly:
            QFile::remove(trees.pc + name);
            break;
        case Difference::None:
            break;
        }
    }
}

void shell(const QString& command)
{
    if (std::system(command.toLocal8Bit().constData()) != 0)
        throw std::runtime_error("failed: " + command.toStdString());
}

QString quoted(const QString& text)
{
    return '\'' + QString(text).replace('\'', "'\\''") + '\'';
}

void writeList(const QString& path, const QStringList& names)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write((names.join('\n') + '\n').toLocal8Bit()) < 0)
        throw std::runtime_error("cannot write " + path.toStdString());
}

class Answers : public platform::dialogs::Driver
{
public:
    int answerMessage(const platform::dialogs::MessageRequest& request) override
    {
        last = request.text;
        return platform::dialogs::No;
    }
    QString answerFolder(const platform::dialogs::FolderRequest&) override { return QString(); }
    bool shellOpen(const platform::dialogs::ShellRequest&) override { return true; }
    QString last;
};

int marked(const TSyncFileList* list, char mark)
{
    int count = 0;
    for (const TSyncRow& row : list->rows())
        count += row.Mark == mark;
    return count;
}

void run(const QString& folder, int runs)
{
    platform::sys::setProgramFolder(folder);
    Answers answers;
    platform::dialogs::setDriver(&answers);
    const Trees trees = makeTrees(folder);
    const QString toDiskList = folder + "to-disk.txt", toPcList = folder + "to-pc.txt";
    writeList(toDiskList, trees.toDisk);
    writeList(toPcList, trees.toPc);

    TPelloranFrame view(nullptr);
    view.resize(1600, 1000);
    view.show();
    view.LoadProfiles();
    view.edtPC->setText(trees.pc);
    view.edtUsb->setText(mobileRelativeFolder(platform::sys::driveRoot(), trees.disk));
    view.cbDirect->setCurrentIndex(1);
    view.ckbSubDir->setChecked(true);
    const auto analyse = [&] {
        view.actAnalyseExecute();
        view.lvFiles->visualRect(view.fileList()->index(0, 0));
    };
    const int differences = int(trees.toDisk.size() + trees.toPc.size());

    bench::compare(
        "sync-analyse", 1.0, runs, analyse,
        [&] {
            shell("rsync -rtn --itemize-changes --modify-window=1 " + quoted(trees.pc) + ' ' +
                  quoted(trees.disk) + " >/dev/null");
        },
        [&] {
            if (marked(view.fileList(), '>') + marked(view.fileList(), '<') != differences)
                throw std::runtime_error("the analysis does not find every difference");
        });

    const QString reference = "cd " + quoted(trees.pc) + " && xargs -a " + quoted(toDiskList) +
                              " -d '\\n' cp -p --parents -t " + quoted(trees.disk) + " && cd " +
                              quoted(trees.disk) + " && xargs -a " + quoted(toPcList) +
                              " -d '\\n' cp -p --parents -t " + quoted(trees.pc) + " && sync -f " +
                              quoted(trees.disk) + " && sync -f " + quoted(trees.pc);
    std::vector<double> ours, theirs, ratios;
    const int copyRuns = std::max(5, runs / 3);
    for (int i = 0; i <= copyRuns; ++i) {
        restoreDifferences(trees);
        analyse();
        const double a = bench::millisecondsOf([&] { view.actSyncExecute(); });
        if (answers.last != "Synchronize completed.")
            throw std::runtime_error("the step reported: " + answers.last.toStdString());
        restoreDifferences(trees);
        const double b = bench::millisecondsOf([&] { shell(reference); });
        if (i == 0)
            continue; // warm-up
        ours.push_back(a);
        theirs.push_back(b);
        ratios.push_back(a / b);
    }
    analyse();
    if (marked(view.fileList(), '=') != Folders * FilesPerFolder)
        throw std::runtime_error("the trees differ after the step");
    std::printf("bench sync-copy: ours %.1fms reference %.1fms ratio %.2f (target <= 1.2)\n",
                bench::median(ours), bench::median(theirs), bench::median(ratios));
    platform::dialogs::setDriver(nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    return bench::runProgram(argc, argv, "sync-bench",
                             "The folder should be empty; the trees are made in it.", run);
}

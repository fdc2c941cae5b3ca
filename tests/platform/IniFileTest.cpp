#include "platform/IniFile.h"

#include "mobile/MountedDisk.h"
#include "mobile/SyncFiles.h"
#include "support/TessaryTest.h"
#include "support/TracedChild.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The text a change to the file raised; empty when it raised nothing.
template <class Change> QString errorText(Change change)
{
    try {
        change();
    } catch (const platform::ini::IniWriteError& error) {
        return QString::fromStdString(error.what());
    }
    return QString();
}

QString writeErrorText(TIniFile& ini, const QString& section, const QString& key, const QString& value)
{
    return errorText([&] { ini.WriteString(section, key, value); });
}

// Caps the size of any file this process writes, so a write fails even for root.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

const QByteArray SampleFile = "; settings of the organiser\n"
                              "[Favorites]\n"
                              "  PC-One  =  /home/one/Favorites  \n"
                              "PC-Two=/home/two\n"
                              "\n"
                              "[Syncs]\n"
                              "Music=Music\n"
                              "Photos=Photos\n"
                              "\n"
                              "[Music]\n"
                              "PC=/data/music/\n";

} // namespace

class IniFileTest : public TessaryTest
{
protected:
    QString path() const { return programFolder() + "Pelloran.ini"; }
    void writeSample() const { writeBytes(path(), SampleFile); }
};

TEST_F(IniFileTest, ReadsMatchSectionsAndKeysWithoutCaseAndTrimBlanks)
{
    writeSample();
    TIniFile ini(path());
    EXPECT_EQ(ini.ReadString("favorites", "pc-one", "x"), "/home/one/Favorites");
    EXPECT_EQ(ini.ReadString(" FAVORITES ", " Pc-Two ", "x"), "/home/two");
    EXPECT_EQ(ini.ReadString("MUSIC", "pc", "x"), "/data/music/");
    EXPECT_TRUE(ini.SectionExists("syncs"));
}

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    TIniFile missingFile(programFolder() + "none.ini");
    EXPECT_EQ(missingFile.ReadString("Favorites", "PC-One", "C:\\"), "C:\\");
    EXPECT_TRUE(missingFile.ReadSection("Syncs").isEmpty());
    EXPECT_FALSE(missingFile.SectionExists("Syncs"));

    writeSample();
    TIniFile ini(path());
    EXPECT_EQ(ini.ReadString("Photos", "PC", "C:\\"), "C:\\");
    EXPECT_EQ(ini.ReadString("Music", "DIRECT", "2"), "2");
    EXPECT_EQ(ini.ReadValue("Music", "SUBDIR"), std::nullopt);
    EXPECT_EQ(ini.ReadValue("Syncs", "Music"), QString("Music"));
}

TEST_F(IniFileTest, WriteReplacesTheValueInPlaceKeepingTheKeysSpelling)
{
    writeSample();
    TIniFile ini(path());
    ini.WriteString("FAVORITES", "pc-one", "/new");
    QByteArray expected = SampleFile;
    expected.replace("  PC-One  =  /home/one/Favorites  \n", "PC-One=/new\n");
    EXPECT_EQ(readBytes(path()), expected);
}

TEST_F(IniFileTest, WriteAppendsANewKeyAfterTheLastKeyOfItsSection)
{
    writeSample();
    TIniFile ini(path());
    ini.WriteString("syncs", "Video", "Video");
    QByteArray expected = SampleFile;
    expected.replace("Photos=Photos\n", "Photos=Photos\nVideo=Video\n");
    EXPECT_EQ(readBytes(path()), expected);
    EXPECT_EQ(ini.ReadSection("Syncs"), QStringList({"Music", "Photos", "Video"}));
}

TEST_F(IniFileTest, WriteCreatesTheFileAndAppendsMissingSectionsAtTheEnd)
{
    TIniFile ini(path());
    ini.WriteString("Favorites", "", "/home/nameless");
    ini.WriteString("Syncs", "Music", "Music");
    EXPECT_EQ(readBytes(path()), "[Favorites]\n=/home/nameless\n[Syncs]\nMusic=Music\n");
    EXPECT_EQ(ini.ReadString("Favorites", "", "x"), "/home/nameless");

    // A last line without its line end still ends before the new section.
    writeBytes(path(), "[A]\nk=v");
    ini.WriteString("B", "k", "w");
    EXPECT_EQ(readBytes(path()), "[A]\nk=v\n[B]\nk=w\n");
}

TEST_F(IniFileTest, DeleteKeyAndEraseSectionRemoveOnlyWhatTheyName)
{
    writeSample();
    TIniFile ini(path());
    ini.DeleteKey("SYNCS", "music");
    ini.EraseSection("favorites");
    EXPECT_EQ(readBytes(path()), "; settings of the organiser\n"
                                 "[Syncs]\n"
                                 "Photos=Photos\n"
                                 "\n"
                                 "[Music]\n"
                                 "PC=/data/music/\n");

    TIniFile missing(programFolder() + "none.ini");
    missing.DeleteKey("Syncs", "Music");
    missing.EraseSection("Syncs");
    EXPECT_FALSE(QFile::exists(missing.FileName()));
}

TEST_F(IniFileTest, StrayLinesAreIgnoredOnReadAndKeptOnRewrite)
{
    const QByteArray original = "orphan=before any section\n"
                                "garbage line\n"
                                "[Favorites\n"
                                "[Favorites]\n"
                                ";PC-One=/commented\n"
                                "   \n"
                                "no equals sign here\n"
                                "PC-One=/home/one\n"
                                "#not a comment here=value\n";
    writeBytes(path(), original);
    TIniFile ini(path());
    EXPECT_EQ(ini.ReadValue("Favorites", "orphan"), std::nullopt);
    EXPECT_EQ(ini.ReadString("Favorites", "PC-One", "x"), "/home/one");
    EXPECT_EQ(ini.ReadSection("Favorites"), QStringList({"PC-One", "#not a comment here"}));

    ini.WriteString("Favorites", "PC-One", "/home/changed");
    QByteArray expected = original;
    expected.replace("PC-One=/home/one\n", "PC-One=/home/changed\n");
    EXPECT_EQ(readBytes(path()), expected);
}

TEST_F(IniFileTest, TheFirstOfDuplicateKeysIsReadAndRewrittenAndDeleteRemovesAll)
{
    writeBytes(path(), "[A]\nk=first\nK=second\n[B]\nx=1\n[a]\nk=third\nlate=yes\n");
    TIniFile ini(path());
    EXPECT_EQ(ini.ReadString("A", "k", ""), "first");
    EXPECT_EQ(ini.ReadString("A", "late", ""), "yes");

    ini.WriteString("a", "K", "changed");
    EXPECT_EQ(readBytes(path()), "[A]\nk=changed\nK=second\n[B]\nx=1\n[a]\nk=third\nlate=yes\n");

    ini.DeleteKey("A", "k");
    EXPECT_EQ(ini.ReadValue("A", "k"), std::nullopt);
    EXPECT_EQ(ini.ReadSection("A"), QStringList({"late"}));

    ini.EraseSection("A");
    EXPECT_EQ(readBytes(path()), "[B]\nx=1\n");
}

TEST_F(IniFileTest, ALongValueIsReadAsItsFirst2047Characters)
{
    TIniFile ini(path());
    const QString value = QString(2047, 'a') + "bcd";
    ini.WriteString("S", "k", value);
    EXPECT_EQ(ini.ReadString("S", "k", ""), value.left(2047));
    EXPECT_TRUE(readBytes(path()).contains(value.toUtf8()));
}

TEST_F(IniFileTest, RewriteKeepsLineEndsByteOrderMarkAndNonUtf8Lines)
{
    const QByteArray original = "\xEF\xBB\xBF[Favorites]\r\n"
                                "Caf\xE9-PC=/home/caf\xE9\r\n"
                                "\xC3\xA9t\xC3\xA9=/home/\xC3\xA9t\xC3\xA9\r\n";
    writeBytes(path(), original);
    TIniFile ini(path());
    EXPECT_EQ(ini.ReadString("favorites", QString::fromLatin1("Caf\xE9-PC"), ""),
              QString::fromLatin1("/home/caf\xE9"));
    EXPECT_EQ(ini.ReadString("favorites", QString::fromUtf8("\xC3\x89T\xC3\x89"), ""),
              QString::fromUtf8("/home/\xC3\xA9t\xC3\xA9"));

    ini.WriteString("Syncs", "Music", "Music");
    EXPECT_EQ(readBytes(path()), original + "[Syncs]\r\nMusic=Music\r\n");
}

TEST_F(IniFileTest, AFailedWriteRaisesAndLeavesTheOldFileWhole)
{
    writeSample();
    TIniFile ini(path());
    {
        const FileSizeLimit limit(SampleFile.size() + 8);
        EXPECT_EQ(writeErrorText(ini, "Favorites", "PC-One", QString(200, 'x')),
                  "Unable to write to " + path());
    }
    EXPECT_EQ(readBytes(path()), SampleFile);
    EXPECT_EQ(QDir(programFolder()).entryList(QDir::Files), QStringList({"Pelloran.ini"}));

    const QString missingFolder = programFolder() + "gone/Pelloran.ini";
    TIniFile inMissingFolder(missingFolder);
    EXPECT_EQ(writeErrorText(inMissingFolder, "S", "k", "v"), "Unable to write to " + missingFolder);

    const QString folder = programFolder() + "folder.ini";
    QDir().mkpath(folder);
    TIniFile onFolder(folder);
    EXPECT_EQ(writeErrorText(onFolder, "S", "k", "v"), "Unable to write to " + folder);
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsNeverReplaced)
{
    // A socket cannot be opened as a file, not even by root.
    const QByteArray socketPath = QFile::encodeName(path());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(size_t(socketPath.size()), sizeof address.sun_path);
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    TIniFile ini(path());
    EXPECT_EQ(writeErrorText(ini, "Favorites", "PC-One", "/home/one"), "Unable to write to " + path());
    EXPECT_NO_THROW(ini.EraseSection("Favorites"));
    EXPECT_FALSE(QFileInfo(path()).isFile());
    ::close(fd);
}

TEST_F(IniFileTest, FailedRemovalsRaiseAndKeepTheFile)
{
    writeSample();
    TIniFile ini(path());
    {
        const FileSizeLimit limit(16);
        EXPECT_EQ(errorText([&] { ini.DeleteKey("Syncs", "Music"); }), "Unable to write to " + path());
        EXPECT_EQ(errorText([&] { ini.EraseSection("Favorites"); }), "Unable to write to " + path());
    }
    EXPECT_EQ(readBytes(path()), SampleFile);
}

TEST_F(IniFileTest, NamesAndValuesThatWouldReadBackAsOtherLinesAreRefused)
{
    writeSample();
    TIniFile ini(path());
    const struct
    {
        const char* section;
        const char* key;
        const char* value;
    } refused[] = {
        {"Syncs", "Music", "line\nbreak"}, {"Syncs", "Music\r", "v"},
        {"Sy]ncs", "Music", "v"},          {"Syncs", "a=b", "v"},
        {"Syncs", " [Music]", "v"},        {"Syncs", ";Music", "v"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(writeErrorText(ini, c.section, c.key, c.value), "Unable to write to " + path());
    }
    EXPECT_EQ(readBytes(path()), SampleFile);
}

TEST_F(IniFileTest, WritingTheValueAKeyAlreadyHoldsLeavesTheFileAlone)
{
    writeBytes(path(), "[Favorites]\nPC-One=/home/one\nPC-Two = /home/two\n");
    TIniFile ini(path());
    const auto inode = [this] {
        struct stat info
        {
        };
        stat(path().toLocal8Bit().constData(), &info);
        return info.st_ino;
    };
    const auto before = inode();

    ini.WriteString("Favorites", "PC-One", "/home/one");
    EXPECT_EQ(inode(), before);
    // The same value in another spelling of the line is written out in the usual one.
    ini.WriteString("Favorites", "PC-Two", "/home/two");
    EXPECT_NE(inode(), before);
    EXPECT_EQ(readBytes(path()), "[Favorites]\nPC-One=/home/one\nPC-Two=/home/two\n");
}

TEST_F(IniFileTest, WritesReachOnlyRegularFilesFollowingLinksAndKeepingTheirMode)
{
    // Root may write anywhere, so each refusal here is the file layer's own.
    const QString elsewhere = homeFolder() + "/elsewhere/";
    QDir().mkpath(elsewhere);
    const QByteArray fifo = QFile::encodeName(elsewhere + "fifo");
    ASSERT_EQ(::mkfifo(fifo.constData(), 0644), 0);
    const QByteArray device = QFile::encodeName(elsewhere + "null");
    ASSERT_EQ(::mknod(device.constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
    QDir().mkpath(elsewhere + "folder");
    writeBytes(elsewhere + "readonly.ini", SampleFile);
    QFile::setPermissions(elsewhere + "readonly.ini", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    writeBytes(elsewhere + "shared.ini", SampleFile);
    ASSERT_EQ(::chmod(QFile::encodeName(elsewhere + "shared.ini").constData(), 0640), 0);

    const struct
    {
        const char* target;
        bool written;
        const char* readBack; // through the link, afterwards
    } cases[] = {
        {"shared.ini", true, "/home/new"}, {"readonly.ini", false, "/home/one/Favorites"},
        {"null", false, "<none>"},         {"fifo", false, "<none>"},
        {"folder", false, "<none>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        const QString target = elsewhere + c.target;
        QFile::remove(path());
        ASSERT_TRUE(QFile::link(target, path()));
        const auto modeBefore = QFileInfo(target).permissions();
        TIniFile ini(path());
        const QString error = writeErrorText(ini, "Favorites", "PC-One", "/home/new");
        EXPECT_EQ(error, c.written ? QString() : "Unable to write to " + path());
        EXPECT_TRUE(QFileInfo(path()).isSymLink());
        EXPECT_EQ(QFileInfo(path()).symLinkTarget(), target);
        EXPECT_EQ(QFileInfo(target).permissions(), modeBefore);
        EXPECT_EQ(ini.ReadString("Favorites", "PC-One", "<none>"), c.readBack);
    }
    struct stat status
    {
    };
    ASSERT_EQ(::stat(device.constData(), &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
    ASSERT_EQ(::stat(fifo.constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_EQ(readBytes(elsewhere + "readonly.ini"), SampleFile);
    // Nothing was left beside the targets or the link.
    EXPECT_EQ(QDir(elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
              QStringList({"fifo", "folder", "null", "readonly.ini", "shared.ini"}));
    EXPECT_EQ(QDir(programFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
              QStringList({"Pelloran.ini"}));

    // A read-only file of its own name is refused too.
    QFile::remove(path());
    writeBytes(path(), SampleFile);
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    TIniFile ini(path());
    EXPECT_EQ(writeErrorText(ini, "Favorites", "PC-One", "/home/new"), "Unable to write to " + path());
    EXPECT_EQ(readBytes(path()), SampleFile);
}

// A stick keeps no modes (the FUSE FAT driver refuses to set one), and a rewrite cut short there
// leaves its temporary behind. Another program's rewrite in progress holds its temporary, whose
// time the stick does not advance while it is written.
TEST_F(IniFileTest, ARewriteOnAFatDiskSucceedsAndRemovesOnlyOldLeftoversOfItsOwnTemporaries)
{
    const QString stick = homeFolder() + "/stick";
    MountedDisk fat(MountedDisk::Kind::Fat, stick, 8);
    if (!fat.mounted())
        GTEST_SKIP() << "no FAT disk: " << fat.reason().toStdString();
    const QString ini = stick + "/Pelloran.ini";
    const std::int64_t now = QDateTime::currentSecsSinceEpoch();
    makeFile(ini, SampleFile, now - 3600);
    const struct
    {
        const char* name;
        std::int64_t age;
        bool kept;
    } beside[] = {
        {"Pelloran.ini.tessary-0a1b2c", 3600, false},
        {"Pelloran.ini.tessary-ffffff", 600, false},
        {"Pelloran.ini.tessary-ffff0f", -3600, true}, // written since this rewrite began
        {"Pelloran.ini.bad", 3600, true},
        {"Pelloran.ini.cafe", 3600, true},
        {"Pelloran.ini.tessary-0a1b2", 3600, true},
        {"Pelloran.ini.tessary-0a1b2x", 3600, true},
        {"other.ini.tessary-0a1b2c", 3600, true},
    };
    QStringList kept = {"Pelloran.ini"};
    for (const auto& b : beside) {
        makeFile(stick + '/' + b.name, "left", now - b.age);
        if (b.kept)
            kept.append(b.name);
    }
    TracedChild rewriting([&] {
        TIniFile(ini).WriteString("Favorites", "PC-Four", "/home/four");
        return QByteArray("written");
    });
    ASSERT_TRUE(rewriting.stopBefore(TracedChild::Call::Rename, "Pelloran.ini.tessary-"));
    // Its temporary, old as a long write on the stick leaves it.
    QStringList held = QDir(stick).entryList({"Pelloran.ini.tessary-*"}, QDir::Files | QDir::Hidden);
    for (const auto& b : beside)
        held.removeAll(b.name);
    ASSERT_EQ(held.size(), 1);
    setModifiedTime(stick + '/' + held[0], now - 3600);
    kept.append(held[0]);

    TIniFile settings(ini);
    settings.WriteString("Favorites", "PC-Three", "/home/three");
    EXPECT_EQ(settings.ReadString("Favorites", "PC-Three", ""), "/home/three");
    settings.DeleteKey("Favorites", "PC-Two");
    EXPECT_EQ(settings.ReadValue("Favorites", "PC-Two"), std::nullopt);
    kept.sort(Qt::CaseInsensitive);
    EXPECT_EQ(QDir(stick).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase), kept);

    EXPECT_EQ(rewriting.finish(), "written");
    kept.removeAll(held[0]);
    EXPECT_EQ(QDir(stick).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase), kept);
    EXPECT_EQ(settings.ReadString("Favorites", "PC-Four", ""), "/home/four");
}

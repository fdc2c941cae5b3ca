#include "platform/DatabaseLeftovers.h"

#include "platform/Database.h"
#include "platform/DatabaseCheck.h"
#include "platform/Leftovers.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace platform::db {

namespace {

// The first bytes of a journal the engine will play back.
const QByteArray JournalMagic("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8);
// The engine's lock bytes: pending, reserved and the shared range, from 1 GiB on.
constexpr off_t LockBytesStart = 0x40000000;
constexpr off_t LockBytesLength = 2 + 510;
// Bytes 18 and 19 of the header: 2 in a file kept in write-ahead-log mode.
constexpr int WalModeVersion = 2;

QByteArray leadingBytes(const QString& path, qint64 count)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(count) : QByteArray();
}

bool isRegularFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink();
}

// True when a connection, in this process or another, holds or waits for a lock on the file:
// then a journal beside it is that connection's own, live one.
bool lockedByAConnection(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return true;
    struct flock lock
    {
    };
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = LockBytesStart;
    lock.l_len = LockBytesLength;
    // Locks of the open-file kind also see the locks this process's own connections hold.
    const bool known = ::fcntl(fd, F_OFD_GETLK, &lock) == 0;
    ::close(fd);
    // Where locks cannot be read, the journal is left to the engine, as any program would.
    return !known || lock.l_type != F_UNLCK;
}

// A name beside `base` that does not exist yet: base + "." + what + "-" + the time, and a count.
QString keptName(const QString& base, const QString& what)
{
    const QString stem =
        base + '.' + what + '-' + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = stem;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = stem + '-' + QString::number(n);
    return name;
}

bool moveTo(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

qint64 freeBytes(const QString& folder)
{
    struct statvfs disk
    {
    };
    if (::statvfs(QFile::encodeName(folder).constData(), &disk) != 0)
        return -1;
    return static_cast<qint64>(disk.f_bavail) * static_cast<qint64>(disk.f_frsize);
}

[[noreturn]] void refuse(const QString& text)
{
    throw DatabaseError(text.toStdString());
}

// The names of a trial copy and of its journal (below), which a start killed during the check
// leaves behind.
bool isTrialCopyOf(const QByteArray& entry, const QByteArray& fileName)
{
    static const QRegularExpression rest(QStringLiteral("^\\d{8}-\\d{6}(-\\d+)?(-journal)?$"));
    const QByteArray prefix = fileName + ".journal-check-";
    return entry.startsWith(prefix) && rest.match(QString::fromLatin1(entry.mid(prefix.size()))).hasMatch();
}

// Copies `source` to `copy`, a new name, held from its creation on (platform/Leftovers.h); the
// copy open, or -1 when it could not be made whole, and then no part of it is left.
int heldCopy(const QString& source, const QString& copy)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray name = QFile::encodeName(copy);
    const int fd = leftovers::createHeld(name, 0666);
    if (fd < 0)
        return -1;
    QFile out;
    bool whole = out.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
    while (whole && !in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        whole = in.error() == QFileDevice::NoError && out.write(chunk) == chunk.size();
    }
    out.close();
    if (!whole) {
        ::close(fd);
        ::unlink(name.constData());
        return -1;
    }
    return fd;
}

// A copy of the file and its journal beside them, held until it has taken the file's place or
// is removed again, so that no other start's sweep takes it in the middle of a check.
class TrialCopy
{
public:
    TrialCopy(const QString& path, const QString& journal)
        : m_path(keptName(path, QStringLiteral("journal-check")))
    {
        m_copy = heldCopy(path, m_path);
        if (m_copy >= 0)
            m_journalCopy = heldCopy(journal, m_path + "-journal");
    }
    TrialCopy(const TrialCopy&) = delete;
    TrialCopy& operator=(const TrialCopy&) = delete;
    ~TrialCopy()
    {
        for (const int fd : {m_copy, m_journalCopy})
            if (fd >= 0)
                ::close(fd);
        if (m_copy >= 0 && !m_taken)
            QFile::remove(m_path);
        if (m_journalCopy >= 0)
            QFile::remove(m_path + "-journal");
    }

    bool made() const { return m_copy >= 0 && m_journalCopy >= 0; }
    QString path() const { return m_path; }
    void take() { m_taken = true; }

    // Lets the engine apply the journal to the copy, then checks what came of it; empty when sound.
    QString applyAndCheck() const
    {
        sqlite3* db = nullptr;
        const int rc = sqlite3_open_v2(QFile::encodeName(m_path).constData(), &db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
        std::unique_ptr<sqlite3, int (*)(sqlite3*)> guard(db, sqlite3_close_v2);
        if (rc != SQLITE_OK)
            return QString::fromUtf8(sqlite3_errmsg(db));
        const QString problem = unreadableOrganiserData(db);
        guard.reset();
        if (!problem.isEmpty())
            return problem;
        // Played back, the journal is gone; one still there was never applied.
        return QFileInfo::exists(m_path + "-journal") ? QStringLiteral("the journal was not applied")
                                                      : QString();
    }

private:
    QString m_path;
    // The engine's own locks on the copy go with any descriptor of it this process closes, so
    // these stay open until the engine has closed it.
    int m_copy = -1;
    int m_journalCopy = -1;
    bool m_taken = false;
};

QString settleJournal(const QString& path)
{
    const QString journal = path + "-journal";
    if (!isRegularFile(journal) || leadingBytes(journal, JournalMagic.size()) != JournalMagic ||
        lockedByAConnection(path))
        return QString();

    const qint64 needed = QFileInfo(path).size() + QFileInfo(journal).size();
    const qint64 room = freeBytes(QFileInfo(path).absolutePath());
    if (room >= 0 && room < needed)
        refuse(
            QStringLiteral("A journal left by an interrupted change lies beside \"%1\", but the disk has no "
                           "room to check it on a copy, so nothing was applied and the database was not "
                           "opened. Make room on the disk and start the program again.")
                .arg(path));
    TrialCopy trial(path, journal);
    if (!trial.made())
        refuse(
            QStringLiteral("A journal left by an interrupted change lies beside \"%1\", but it could not be "
                           "checked on a copy (%2), so nothing was applied and the database was not opened.")
                .arg(path, diskIsFull(path) ? QStringLiteral("the disk is full")
                                            : QStringLiteral("the copy could not be written")));

    if (const QString problem = trial.applyAndCheck(); !problem.isEmpty()) {
        const QString setAside = keptName(journal, QStringLiteral("not-applied"));
        if (!moveTo(journal, setAside))
            refuse(QStringLiteral("A journal beside \"%1\" does not belong to it (%2) and could not be moved "
                                  "aside, so the database was not opened.")
                       .arg(path, problem));
        return QStringLiteral("A journal beside \"%1\" did not belong to it (%2), so it was not applied and "
                              "the database was opened as it was. The journal was moved to \"%3\".")
            .arg(path, problem, setAside);
    }

    // The copy came out sound: it takes the file's place, and the file as it was and the journal
    // are kept beside it.
    const QString keptFile = keptName(path, QStringLiteral("before-journal"));
    const QString keptJournal = keptName(journal, QStringLiteral("applied"));
    QFile::setPermissions(trial.path(), QFileInfo(path).permissions());
    if (!moveTo(journal, keptJournal))
        refuse(
            QStringLiteral("A journal beside \"%1\" could not be moved aside, so nothing was applied and the "
                           "database was not opened.")
                .arg(path));
    if (!moveTo(path, keptFile)) {
        moveTo(keptJournal, journal);
        refuse(QStringLiteral("\"%1\" could not be renamed, so its journal was not applied and the database "
                              "was not opened.")
                   .arg(path));
    }
    if (!moveTo(trial.path(), path)) {
        moveTo(keptFile, path);
        moveTo(keptJournal, journal);
        refuse(QStringLiteral("The recovered copy of \"%1\" could not take its place, so nothing was applied "
                              "and the database was not opened.")
                   .arg(path));
    }
    trial.take();
    return QStringLiteral("\"%1\" was brought back to where it stood before a change that was interrupted, "
                          "with the journal that change left beside it. The file as it was is kept as \"%2\" "
                          "and the journal as \"%3\".")
        .arg(path, keptFile, keptJournal);
}

QStringList settleWriteAheadLog(const QString& path)
{
    const QByteArray header = leadingBytes(path, 20);
    if (header.size() == 20 && (header.at(18) == WalModeVersion || header.at(19) == WalModeVersion))
        return {};
    QStringList notices;
    for (const char* suffix : {"-wal", "-shm"}) {
        const QString file = path + suffix;
        if (!QFileInfo::exists(file) && !QFileInfo(file).isSymLink())
            continue;
        const QString setAside = keptName(file, QStringLiteral("not-applied"));
        if (!moveTo(file, setAside))
            refuse(
                QStringLiteral("\"%1\" does not belong to \"%2\", which never keeps such a file, and could "
                               "not be moved aside, so the database was not opened.")
                    .arg(file, path));
        notices.append(
            QStringLiteral("\"%1\" did not belong to \"%2\", which never keeps such a file, so it was "
                           "not applied. It was moved to \"%3\".")
                .arg(file, path, setAside));
    }
    return notices;
}

} // namespace

QStringList settleLeftoverFiles(const QString& path)
{
    const QFileInfo info(path);
    const QByteArray fileName = QFile::encodeName(info.fileName());
    leftovers::removeOlder(
        info.path(), [&](const QByteArray& entry) { return isTrialCopyOf(entry, fileName); },
        std::time(nullptr));
    QStringList notices = settleWriteAheadLog(path);
    if (const QString journal = settleJournal(path); !journal.isEmpty())
        notices.append(journal);
    return notices;
}

} // namespace platform::db

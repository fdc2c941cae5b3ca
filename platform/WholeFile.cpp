#include "platform/WholeFile.h"

#include "platform/Leftovers.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::wholefile {

namespace {

// As many links as the kernel follows before it gives up on a loop.
constexpr int MaxLinkHops = 40;

// A rewrite writes "<name>.tessary-" and six hex digits first: a name of a fixed shape that no
// user keeps, so the leftover of a rewrite cut short can be told from the user's own files.
const QByteArray TemporaryMark(".tessary-");
constexpr int TemporaryDigits = 6;

QByteArray temporaryBeside(const QByteArray& target)
{
    const quint32 digits = QRandomGenerator::global()->bounded(1u << (4 * TemporaryDigits));
    return target + TemporaryMark + QByteArray::number(digits, 16).rightJustified(TemporaryDigits, '0');
}

bool isTemporaryOf(const QByteArray& entry, const QByteArray& fileName)
{
    if (entry.size() != fileName.size() + TemporaryMark.size() + TemporaryDigits ||
        !entry.startsWith(fileName + TemporaryMark))
        return false;
    const QByteArray digits = entry.right(TemporaryDigits);
    return std::all_of(digits.begin(), digits.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) || (c >= 'a' && c <= 'f');
    });
}

// File systems that keep no modes (FAT, also through FUSE) refuse to set one; the file is
// written all the same, as on the platform the settings were written for.
bool keepsNoModes(int error)
{
    return error == ENOSYS || error == EPERM || error == EOPNOTSUPP || error == ENOTSUP;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

QString linkTarget(const QString& path)
{
    QString current = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        current = info.symLinkTarget();
    }
    return QString();
}

bool isRegularFile(const QString& path)
{
    struct stat status
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

bool replaceWhole(const QString& path, const QByteArray& bytes)
{
    const QString target = linkTarget(path);
    if (target.isEmpty())
        return false;
    const QByteArray targetName = QFile::encodeName(target);
    struct stat status
    {
    };
    mode_t mode = 0;
    if (::lstat(targetName.constData(), &status) == 0) {
        // Root passes every permission check, so the bits are read here: a file nobody may
        // write to is one its owner means to keep as it is.
        if (!S_ISREG(status.st_mode) || (status.st_mode & 0222) == 0 ||
            ::access(targetName.constData(), W_OK) != 0)
            return false;
        mode = status.st_mode & 07777;
    } else if (errno != ENOENT) {
        return false;
    }

    // A new file is made with the mode any new file of this user gets; a rewrite keeps the old one.
    const std::time_t started = std::time(nullptr);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = temporaryBeside(targetName);
        fd = leftovers::createHeld(temporary, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    const bool written = (mode == 0 || ::fchmod(fd, mode) == 0 || keepsNoModes(errno)) &&
                         writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (!written)
        ::close(fd);
    if (!written || leftovers::closeAndRename(fd, temporary, targetName) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    const QFileInfo info(target);
    const QByteArray fileName = QFile::encodeName(info.fileName());
    leftovers::removeOlder(
        info.path(), [&](const QByteArray& entry) { return isTemporaryOf(entry, fileName); }, started);
    return true;
}

} // namespace platform::wholefile

#include "platform/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::wholefile {

namespace {

// As many links as the kernel follows before it gives up on a loop.
constexpr int MaxLinkHops = 40;

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
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = targetName + QByteArray::number(QRandomGenerator::global()->generate(), 16).prepend(".");
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    const bool written = (mode == 0 || ::fchmod(fd, mode) == 0) && writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temporary.constData(), targetName.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}

} // namespace platform::wholefile

#include "common/SystemRoutines.h"

#include "platform/SystemInfo.h"

#include <QDir>

QString GetComputerNameStr()
{
    return platform::sys::computerName().value_or(QString()).left(256);
}

QString GetUserNameStr()
{
    return platform::sys::userName().value_or(QStringLiteral("Unknown"));
}

double GetDiskFreeGB(const QString& root)
{
    const auto space = platform::sys::diskFreeSpace(root);
    if (!space)
        return -1;
    return space->freeClusters / 1073741824.0 * space->sectorsPerCluster * space->bytesPerSector;
}

bool GetDriveSpace(const QString& root, std::int64_t& freeBytes, std::int64_t& totalBytes)
{
    const QString remembered = QDir::currentPath();
    if (!QDir::setCurrent(root)) {
        freeBytes = -1;
        totalBytes = -1;
        return false;
    }
    const auto space = platform::sys::diskFreeSpaceEx(root);
    freeBytes = space ? static_cast<std::int64_t>(space->freeBytesAvailable) : -1;
    totalBytes = space ? static_cast<std::int64_t>(space->totalBytes) : -1;
    QDir::setCurrent(remembered);
    return true;
}

#pragma once

// Files named by their bytes, for names that are not UTF-8: Qt's file classes would change them.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

// Writes data to path, making its folders; `modified` in seconds since 1970 when not 0.
inline void writeRawFile(const QByteArray& path, const QByteArray& data, std::int64_t modified = 0)
{
    std::filesystem::create_directories(std::filesystem::path(path.toStdString()).parent_path());
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path.toStdString();
    ASSERT_EQ(::write(fd, data.constData(), size_t(data.size())), data.size());
    ::close(fd);
    if (modified != 0) {
        const struct timespec times[2] = {{modified, 0}, {modified, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.constData(), times, 0), 0);
    }
}

inline QByteArray readRawFile(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0)
        return "<missing>";
    QByteArray data;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        data.append(buffer, got);
    ::close(fd);
    return data;
}

// The paths below root whose names hold U+FFFD: what a name that lost its bytes becomes.
inline QStringList replacedNames(const QString& root)
{
    QStringList found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root.toStdString()))
        if (entry.path().native().find("\xef\xbf\xbd") != std::string::npos)
            found << QString::fromStdString(entry.path().native());
    return found;
}

#pragma once

// A small file system mounted for one test: a tmpfs of a given size, or a FAT image through
// fusefat. `reason()` says why it could not be mounted; the test then skips with it.

#include <QDir>
#include <QProcess>
#include <QString>
#include <sys/mount.h>

// fusefat, in a time zone other than UTC, gives back file times an hour off those it was
// given, where a stick mounted by the kernel keeps them; run in UTC, it keeps them too, so the
// tests see what a real stick keeps in whatever zone they run.
inline QProcessEnvironment fusefatEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TZ", "UTC");
    return environment;
}

class MountedDisk
{
public:
    enum class Kind { Tmpfs, Fat };

    MountedDisk(Kind kind, const QString& folder, int megabytes) : m_kind(kind), m_folder(folder)
    {
        QDir().mkpath(folder);
        if (kind == Kind::Tmpfs) {
            const QByteArray options = "size=" + QByteArray::number(megabytes) + "m";
            if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options.constData()) != 0)
                m_reason = QString("mount tmpfs: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            else
                m_mounted = true;
            return;
        }
        const QString image = folder + ".img";
        if (!run("truncate", {"-s", QString("%1M").arg(megabytes), image}) || !run("mkfs.vfat", {image}) ||
            !run("fusefat", {"-o", "rw+", image, folder}))
            return;
        m_mounted = true;
    }

    ~MountedDisk()
    {
        if (!m_mounted)
            return;
        if (m_kind == Kind::Tmpfs)
            ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
        else
            run("fusermount", {"-u", m_folder});
    }

    bool mounted() const { return m_mounted; }
    QString reason() const { return m_reason; }

private:
    bool run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        if (program == "fusefat")
            process.setProcessEnvironment(fusefatEnvironment());
        process.start(program, arguments);
        if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            m_reason = QString("%1: %2 %3")
                           .arg(program, process.errorString(),
                                QString::fromLocal8Bit(process.readAllStandardError()))
                           .trimmed();
            return false;
        }
        return true;
    }

    Kind m_kind;
    QString m_folder;
    QString m_reason;
    bool m_mounted = false;
};

#include "platform/WindowsOS.h"

#include "platform/FileNames.h"
#include "platform/Registry.h"

#include <QCoreApplication>
#include <sys/stat.h>

using namespace platform::version;

void ForceDirectoryPath(QString Dir)
{
    if (Dir.isEmpty())
        return;
    if (Dir.endsWith('/'))
        Dir.chop(1);
    QCoreApplication::processEvents();
    // The root is the only folder without a name, so any other missing folder is made,
    // however short its path.
    const QByteArray name = platform::files::encodeName(Dir);
    struct stat info;
    if (Dir.isEmpty() || (::stat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode)))
        return;
    const QString Parent = Dir.left(Dir.lastIndexOf('/') + 1);
    // Parent is shorter than Dir, so this never loops.
    if (Parent.chopped(Parent.isEmpty() ? 0 : 1) != Dir)
        ForceDirectoryPath(Parent);
    QCoreApplication::processEvents();
    ::mkdir(name.constData(), 0777);
}

bool GetOSVersionInfo(OsVersionInfo& Info)
{
    Info = OsVersionInfo{};
    Info.osVersionInfoSize = OSVERSIONINFOEX_SIZE;
    if (getVersionEx(Info))
        return true;
    Info = OsVersionInfo{};
    Info.osVersionInfoSize = OSVERSIONINFO_SIZE;
    if (getVersionEx(Info))
        return true;
    Info.osVersionInfoSize = 0;
    return false;
}

namespace {

QString windows9xName(const OsVersionInfo& info)
{
    const QChar second = info.csdVersion.size() > 1 ? info.csdVersion.at(1) : QChar();
    if (info.majorVersion == 4 && info.minorVersion == 0)
        return QString("Microsoft Windows 95") + (second == 'B' || second == 'C' ? " OSR2" : "");
    if (info.majorVersion == 4 && info.minorVersion == 10)
        return QString("Microsoft Windows 98") + (second == 'A' ? " SE" : "");
    if (info.majorVersion == 4 && info.minorVersion == 90)
        return "Microsoft Windows Millennium Edition";
    return QString();
}

QString ntFamilyName(const OsVersionInfo& info)
{
    const auto version = [&](unsigned major, unsigned minor) {
        return info.majorVersion == major && info.minorVersion == minor;
    };
    if (version(5, 2))
        return "Microsoft Windows Server 2003";
    if (version(5, 1))
        return "Microsoft Windows XP";
    if (version(5, 0))
        return "Microsoft Windows 2000";
    if (version(6, 0))
        return "Microsoft Windows Vista";
    return "Microsoft Windows NT";
}

// Empty when the product type names no edition (a domain controller).
QString ntEdition(const OsVersionInfo& info)
{
    const unsigned suite = info.suiteMask;
    if (info.productType == VER_NT_WORKSTATION) {
        if (info.majorVersion == 4)
            return "Workstation 4.0";
        return suite & VER_SUITE_PERSONAL ? "Home Edition" : "Professional";
    }
    if (info.productType != VER_NT_SERVER)
        return QString();
    if (info.majorVersion == 5 && info.minorVersion == 2) {
        if (suite & VER_SUITE_DATACENTER)
            return "Datacenter Edition";
        if (suite & VER_SUITE_ENTERPRISE)
            return "Enterprise Edition";
        // The whole mask, not the bit: a web server with any other suite is named Standard.
        return suite == VER_SUITE_BLADE ? "Web Edition" : "Standard Edition";
    }
    if (info.majorVersion == 5 && info.minorVersion == 0) {
        if (suite & VER_SUITE_DATACENTER)
            return "Datacenter Server";
        return suite & VER_SUITE_ENTERPRISE ? "Advanced Server" : "Server";
    }
    return QString("Server %1.%2").arg(info.majorVersion).arg(info.minorVersion) +
           (suite & VER_SUITE_ENTERPRISE ? ", Enterprise Edition" : "");
}

QString ntServicePack(const OsVersionInfo& info)
{
    if (info.majorVersion == 4 && info.csdVersion == "Service Pack 6" &&
        platform::registry::keyExists(platform::registry::Root::LocalMachine,
                                      "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Hotfix\\Q246009"))
        return "Service Pack 6a";
    return info.csdVersion;
}

} // namespace

QString GetWindowsVersionName()
{
    OsVersionInfo info;
    if (!GetOSVersionInfo(info))
        return QString();
    switch (info.platformId) {
    case VER_PLATFORM_WIN32s:
        return "Microsoft Win32s";
    case VER_PLATFORM_WIN32_WINDOWS:
        return windows9xName(info);
    case VER_PLATFORM_WIN32_NT:
        break;
    default:
        return QString();
    }
    QString name = ntFamilyName(info);
    if (info.osVersionInfoSize >= OSVERSIONINFOEX_SIZE) {
        const QString edition = ntEdition(info);
        if (!edition.isEmpty())
            name += '\n' + edition;
    }
    name += '\n' + ntServicePack(info);
    name += QString("\n(Build %1)").arg(info.buildNumber & 0xFFFF);
    return name;
}

#include "mobile/SyncProfiles.h"

#include "platform/IniFile.h"

#include <QDir>

namespace syncprofiles {

namespace {

const QString SyncsSection = QStringLiteral("Syncs");

} // namespace

QString defaultPcFolder()
{
    const QString home = QDir::cleanPath(QDir::homePath());
    return home.endsWith('/') ? home : home + '/';
}

QString withSlashes(QString path)
{
    return path.replace('\\', '/');
}

QList<TSyncProfile> read(const TIniFile& ini)
{
    QList<TSyncProfile> profiles;
    for (const QString& name : ini.ReadSection(SyncsSection)) {
        TSyncProfile profile;
        profile.Name = name;
        profile.PC = withSlashes(ini.ReadString(name, "PC", defaultPcFolder()));
        profile.UsbDisk = withSlashes(ini.ReadString(name, "USBDISK", QString()));
        profile.Direct = ini.ReadString(name, "Direct", "2");
        profile.SubDir = ini.ReadString(name, "SubDir", "0");
        profiles.append(profile);
    }
    return profiles;
}

void write(TIniFile& ini, const TSyncProfile& profile, bool list)
{
    if (list)
        ini.WriteString(SyncsSection, profile.Name, profile.Name);
    ini.WriteString(profile.Name, "PC", profile.PC);
    ini.WriteString(profile.Name, "USBDISK", profile.UsbDisk);
    ini.WriteString(profile.Name, "DIRECT", profile.Direct);
    ini.WriteString(profile.Name, "SUBDIR", profile.SubDir);
}

void remove(TIniFile& ini, const QString& name)
{
    ini.DeleteKey(SyncsSection, name);
    ini.EraseSection(name);
}

QString nameProblem(const QString& name)
{
    const bool reserved = name.compare(SyncsSection, Qt::CaseInsensitive) == 0 ||
                          name.compare(QStringLiteral("Favorites"), Qt::CaseInsensitive) == 0;
    if (name.isEmpty() || name.trimmed() != name || name.startsWith(';') || name.contains('[') ||
        name.contains(']') || name.contains('=') || reserved)
        return QStringLiteral("A profile name must not be empty, begin or end with a blank, begin with "
                              "\";\", hold \"[\", \"]\" or \"=\", or be \"Syncs\" or \"Favorites\".");
    return QString();
}

} // namespace syncprofiles

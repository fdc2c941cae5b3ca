#include "platform/Registry.h"

#include "platform/IniFile.h"

#include <QDir>
#include <QFileInfo>

namespace platform::registry {

namespace {
QStringList& machineKeys()
{
    static QStringList keys;
    return keys;
}
} // namespace

QString storePath()
{
    // An XDG variable that is not absolute is to be ignored.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + "/.config";
    return config + "/Tessary/registry.ini";
}

std::optional<QString> readString(Root root, const QString& keyPath, const QString& valueName)
{
    if (root != Root::CurrentUser)
        return std::nullopt;
    return TIniFile(storePath()).ReadValue(keyPath, valueName);
}

bool writeString(Root root, const QString& keyPath, const QString& valueName, const QString& value)
{
    if (root != Root::CurrentUser)
        return false;
    const QString path = storePath();
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    try {
        TIniFile(path).WriteString(keyPath, valueName, value);
    } catch (const ini::IniWriteError&) {
        return false;
    }
    return true;
}

bool keyExists(Root root, const QString& keyPath)
{
    if (root == Root::LocalMachine)
        return machineKeys().contains(keyPath, Qt::CaseInsensitive);
    return TIniFile(storePath()).SectionExists(keyPath);
}

void setMachineKeys(const QStringList& keyPaths)
{
    machineKeys() = keyPaths;
}

} // namespace platform::registry

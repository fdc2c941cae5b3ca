#include "platform/ShellFolders.h"

#include "platform/Registry.h"

#include <QDir>
#include <QFile>

namespace platform::shell {

namespace {

QString homeFolder()
{
    return QDir::cleanPath(QDir::homePath());
}

QString configFolder()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    return config.isEmpty() || QDir::isRelativePath(config) ? homeFolder() + "/.config" : config;
}

// The value of one line of user-dirs.dirs, which is written for the shell to source:
// "$HOME/Documents" or "/absolute/path", quoted, with backslash escapes.
QString unquoteShellValue(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2);
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == '\\' && i + 1 < value.size())
            ++i;
        text += value.at(i);
    }
    return text;
}

QString expandHome(const QString& value)
{
    for (const QString& variable : {QStringLiteral("$HOME"), QStringLiteral("${HOME}")}) {
        if (value == variable || value.startsWith(variable + '/'))
            return homeFolder() + value.mid(variable.size());
    }
    return value;
}

QString xdgUserFolder(const QString& variable)
{
    QFile file(configFolder() + "/user-dirs.dirs");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QString folder;
    // The file is sourced by shells, so a later assignment overrides an earlier one.
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith('#') || !line.startsWith(variable + '='))
            continue;
        const QString value = expandHome(unquoteShellValue(line.mid(variable.size() + 1)));
        folder = QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QString();
    }
    // A user folder that is switched off points at HOME itself.
    return folder == homeFolder() ? QString() : folder;
}

QString favoritesFolder()
{
    const std::optional<QString> stored =
        registry::readString(registry::Root::CurrentUser, UserShellFoldersKey, "Favorites");
    if (!stored || stored->isEmpty())
        return homeFolder() + "/Favorites";
    return QDir::cleanPath(QDir(homeFolder()).absoluteFilePath(*stored));
}

QString knownPath(int csidl)
{
    switch (csidl) {
    case CSIDL_PERSONAL:
        return xdgUserFolder("XDG_DOCUMENTS_DIR");
    case CSIDL_MYMUSIC:
        return xdgUserFolder("XDG_MUSIC_DIR");
    case CSIDL_MYVIDEO:
        return xdgUserFolder("XDG_VIDEOS_DIR");
    case CSIDL_MYPICTURES:
        return xdgUserFolder("XDG_PICTURES_DIR");
    case CSIDL_FAVORITES:
        return favoritesFolder();
    default:
        return QString();
    }
}

} // namespace

QString specialFolderPath(int csidl, bool create)
{
    const QString path = knownPath(csidl);
    if (create && !path.isEmpty())
        QDir().mkpath(path);
    return path;
}

} // namespace platform::shell

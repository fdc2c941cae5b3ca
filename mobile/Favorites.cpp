#include "mobile/Favorites.h"

#include "platform/Registry.h"
#include "platform/ShellFolders.h"
#include "platform/SystemInfo.h"

namespace {
const QString SavedFoldersKey = QStringLiteral("Software\\DI5Rozor\\Settings");
}

bool SetShellFolder(const QString& folderName, const QString& path, int flags)
{
    using platform::registry::Root;
    const QString userKey = QString::fromLatin1(platform::shell::UserShellFoldersKey);

    QString toWrite = path;
    if (flags & 2)
        toWrite = platform::registry::readString(Root::LocalMachine, SavedFoldersKey, folderName)
                      .value_or(QString());

    const QString oldPath =
        platform::registry::readString(Root::CurrentUser, userKey, folderName).value_or(QString());
    if (!platform::registry::writeString(Root::CurrentUser, userKey, folderName, toWrite))
        return false;
    if (flags & 1)
        return platform::registry::writeString(Root::LocalMachine, SavedFoldersKey, folderName, oldPath);
    return true;
}

bool SetFavoritesFolder(const QString& path, int flags)
{
    return SetShellFolder(QStringLiteral("Favorites"), path, flags);
}

QString GhostFavoritesPath()
{
    return platform::sys::programFolder() + "Pelloran/My Favorites";
}

bool IsFavoritesGhosted(const QString& currentFavorites)
{
    return currentFavorites == GhostFavoritesPath();
}

QString PelloranIniPath()
{
    return platform::sys::programFolder() + "Pelloran.ini";
}

#pragma once

// Pointing the shell's Favorites folder at the disk ("ghosted") and back.

#include <QString>

// Writes `path` as the per-user shell folder `folderName`. Flag 1 saves the replaced path in
// the machine-wide settings; flag 2 writes that saved path instead of `path`. False when a
// registry step fails; nothing is shown.
bool SetShellFolder(const QString& folderName, const QString& path, int flags);
bool SetFavoritesFolder(const QString& path, int flags);

// The program folder's "Pelloran/My Favorites", the folder the browser uses while ghosted.
QString GhostFavoritesPath();
// True when `currentFavorites` is exactly the ghost folder (letter case counts).
bool IsFavoritesGhosted(const QString& currentFavorites);
// "Pelloran.ini" in the program folder.
QString PelloranIniPath();

#pragma once

// The shell's special folders, by the numbers the organiser asks for.

#include <QString>

namespace platform::shell {

enum SpecialFolder {
    CSIDL_PERSONAL = 5, // documents
    CSIDL_FAVORITES = 6,
    CSIDL_MYMUSIC = 13,
    CSIDL_MYVIDEO = 14,
    CSIDL_MYPICTURES = 39,
};

inline constexpr const char* UserShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// The folder's absolute path without a trailing "/", or empty when it is not known.
// Documents, music, videos and pictures come from the XDG user folders (a folder equal to
// HOME counts as missing); Favorites is the registry value "Favorites" under
// UserShellFoldersKey, by default HOME + "/Favorites". With create set, a missing folder
// is made.
QString specialFolderPath(int csidl, bool create);

} // namespace platform::shell

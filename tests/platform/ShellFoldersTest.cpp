#include "platform/ShellFolders.h"

#include "platform/Registry.h"
#include "support/TessaryTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace platform::shell;

class ShellFoldersTest : public TessaryTest
{
protected:
    void writeUserDirs(const QByteArray& text) const
    {
        QDir().mkpath(homeFolder() + "/.config");
        QFile file(homeFolder() + "/.config/user-dirs.dirs");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
};

TEST_F(ShellFoldersTest, DocumentFoldersComeFromTheXdgUserFolders)
{
    const QString elsewhere = programFolder() + "Pictures";
    writeUserDirs("# written by xdg-user-dirs-update\n"
                  "XDG_DOCUMENTS_DIR=\"$HOME/Old Documents\"\n"
                  "XDG_DOCUMENTS_DIR=\"$HOME/My Documents\"\n"
                  "XDG_MUSIC_DIR=\"$HOME\"\n"
                  "XDG_VIDEOS_DIR=\"$HOME/\"\n"
                  "XDG_PICTURES_DIR=\"" +
                  elsewhere.toUtf8() +
                  "/\"\n"
                  "XDG_DOWNLOAD_DIR=\"${HOME}/Downloads\"\n");
    const struct
    {
        int csidl;
        QString expected;
    } cases[] = {
        {CSIDL_PERSONAL, homeFolder() + "/My Documents"},
        {CSIDL_MYMUSIC, ""}, // switched off: HOME itself
        {CSIDL_MYVIDEO, ""},
        {CSIDL_MYPICTURES, elsewhere},
        {7, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.csidl);
        EXPECT_EQ(specialFolderPath(c.csidl, false), c.expected);
    }
    EXPECT_FALSE(QFileInfo::exists(homeFolder() + "/My Documents"));
}

TEST_F(ShellFoldersTest, WithoutUserFoldersTheDocumentFoldersAreUnknown)
{
    for (int csidl : {CSIDL_PERSONAL, CSIDL_MYMUSIC, CSIDL_MYVIDEO, CSIDL_MYPICTURES}) {
        SCOPED_TRACE(csidl);
        EXPECT_EQ(specialFolderPath(csidl, true), "");
    }
    EXPECT_EQ(QDir(homeFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(ShellFoldersTest, TheCreateFlagMakesAKnownFolder)
{
    writeUserDirs("XDG_MUSIC_DIR=\"${HOME}/Media/Music\"\n");
    const QString music = homeFolder() + "/Media/Music";
    EXPECT_EQ(specialFolderPath(CSIDL_MYMUSIC, true), music);
    EXPECT_TRUE(QFileInfo(music).isDir());
}

TEST_F(ShellFoldersTest, FavoritesFollowTheRegistryValueWithAFolderInHomeByDefault)
{
    EXPECT_EQ(specialFolderPath(CSIDL_FAVORITES, false), homeFolder() + "/Favorites");
    EXPECT_FALSE(QFileInfo::exists(homeFolder() + "/Favorites"));
    EXPECT_EQ(specialFolderPath(CSIDL_FAVORITES, true), homeFolder() + "/Favorites");
    EXPECT_TRUE(QFileInfo(homeFolder() + "/Favorites").isDir());

    const QString ghost = programFolder() + "Pelloran/My Favorites";
    ASSERT_TRUE(platform::registry::writeString(platform::registry::Root::CurrentUser, UserShellFoldersKey,
                                                "Favorites", ghost + "/"));
    EXPECT_EQ(specialFolderPath(CSIDL_FAVORITES, true), ghost);
    EXPECT_TRUE(QFileInfo(ghost).isDir());

    // An empty value would leave the browser without favourites.
    ASSERT_TRUE(platform::registry::writeString(platform::registry::Root::CurrentUser, UserShellFoldersKey,
                                                "Favorites", ""));
    EXPECT_EQ(specialFolderPath(CSIDL_FAVORITES, false), homeFolder() + "/Favorites");
}

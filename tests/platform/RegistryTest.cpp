#include "platform/Registry.h"

#include "support/TessaryTest.h"

#include <QDir>
#include <QFile>

using namespace platform::registry;

namespace {
const QString ShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
}

class RegistryTest : public TessaryTest
{
};

TEST_F(RegistryTest, TheStoreLivesInTheUsersConfigurationFolder)
{
    EXPECT_EQ(storePath(), homeFolder() + "/.config/Tessary/registry.ini");
    qputenv("XDG_CONFIG_HOME", (homeFolder() + "/elsewhere").toUtf8());
    EXPECT_EQ(storePath(), homeFolder() + "/elsewhere/Tessary/registry.ini");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(storePath(), homeFolder() + "/.config/Tessary/registry.ini");
}

TEST_F(RegistryTest, WritesCreateTheStoreAndReadBackWithoutRegardToCase)
{
    EXPECT_EQ(readString(Root::CurrentUser, ShellFolders, "Favorites"), std::nullopt);
    ASSERT_TRUE(writeString(Root::CurrentUser, ShellFolders, "Favorites", "/disk/Pelloran/My Favorites"));
    EXPECT_TRUE(QFile::exists(storePath()));
    EXPECT_EQ(readString(Root::CurrentUser, ShellFolders.toUpper(), "FAVORITES"),
              QString("/disk/Pelloran/My Favorites"));

    ASSERT_TRUE(writeString(Root::CurrentUser, ShellFolders.toLower(), "favorites", ""));
    EXPECT_EQ(readString(Root::CurrentUser, ShellFolders, "Favorites"), QString(""));
    EXPECT_EQ(readString(Root::CurrentUser, ShellFolders, "Personal"), std::nullopt);
}

TEST_F(RegistryTest, TheMachineRootHoldsNothingAndRefusesWrites)
{
    ASSERT_TRUE(writeString(Root::CurrentUser, ShellFolders, "Favorites", "/home/user/Favorites"));
    EXPECT_EQ(readString(Root::LocalMachine, ShellFolders, "Favorites"), std::nullopt);
    EXPECT_FALSE(writeString(Root::LocalMachine, "Software\\DI5Rozor\\Settings", "Favorites", "/x"));
    EXPECT_EQ(readString(Root::LocalMachine, "Software\\DI5Rozor\\Settings", "Favorites"), std::nullopt);
}

TEST_F(RegistryTest, AStoreThatCannotBeWrittenGivesFalse)
{
    // A file where the store's folder belongs.
    QDir().mkpath(homeFolder() + "/.config");
    QFile blocker(homeFolder() + "/.config/Tessary");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(writeString(Root::CurrentUser, ShellFolders, "Favorites", "/x"));

    // A folder where the store's file belongs.
    blocker.remove();
    QDir().mkpath(storePath());
    EXPECT_FALSE(writeString(Root::CurrentUser, ShellFolders, "Favorites", "/x"));
}

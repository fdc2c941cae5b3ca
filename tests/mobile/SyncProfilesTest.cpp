#include "mobile/SyncProfiles.h"

#include "common/SystemRoutines.h"
#include "mobile/PelloranFrameFixture.h"
#include "mobile/SyncDlg.h"
#include "mobile/SyncFiles.h"
#include "platform/ShellFolders.h"
#include "support/WhenModal.h"

#include <QListWidget>
#include <QPushButton>

class SyncProfilesTest : public PelloranFrameFixture
{
protected:
    void writeIni(const QByteArray& text) { makeFile(iniPath(), text, localSeconds(2024, 1, 1)); }

    void select(const QString& name)
    {
        const QList<QListWidgetItem*> items = frame->lvSyncs->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        items.first()->setSelected(true);
    }

    // Runs New Sync, naming the profile in the dialog and pressing OK.
    void createProfile(const QString& name)
    {
        WhenModal answer([&](QDialog* dialog) {
            dialog->findChild<QLineEdit*>("edtProfilename")->setText(name);
            dialog->findChild<QPushButton*>("btnOK")->click();
        });
        frame->actNewSync->trigger();
        ASSERT_TRUE(answer.ran());
    }
};

TEST_F(SyncProfilesTest, KeysReadBackWrittenInCapitalsOrMissing)
{
    writeIni("[Syncs]\nCaps=Caps\nBare=Bare\nWindows=Windows\n"
             "[Caps]\nPC=/data/\nUSBDISK=/stick/\nDIRECT=1\nSUBDIR=1\n"
             "[Bare]\n"
             "[Windows]\nPC=C:\\Docs\\\nUSBDISK=\\Backup\\Docs\\\n"
             "[Unlisted]\nPC=/never/\n");
    const QList<TSyncProfile> profiles = syncprofiles::read(TIniFile(iniPath()));
    ASSERT_EQ(profiles.size(), 3);
    EXPECT_EQ(profiles[0].Direct, "1");
    EXPECT_EQ(profiles[0].SubDir, "1");
    EXPECT_EQ(profiles[1].PC, homeFolder() + "/");
    EXPECT_EQ(profiles[1].UsbDisk, "");
    EXPECT_EQ(profiles[1].Direct, "2");
    EXPECT_EQ(profiles[1].SubDir, "0");
    EXPECT_EQ(profiles[2].UsbDisk, "/Backup/Docs/");

    frame->LoadProfiles();
    EXPECT_EQ(frame->lvSyncs->count(), 3) << "a section not listed in [Syncs] is never shown";
    select("Caps");
    EXPECT_EQ(frame->cbDirect->currentIndex(), 1);
    EXPECT_TRUE(frame->ckbSubDir->isChecked());
    EXPECT_TRUE(frame->tbProperties->isEnabled());

    // A PC folder of another system is shown as it is and never analysed.
    select("Windows");
    EXPECT_EQ(frame->edtPC->text(), "C:/Docs/");
    frame->actAnalyse->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("C:/Docs/"));
    EXPECT_EQ(frame->fileList()->rowCount(), 0);
}

TEST_F(SyncProfilesTest, NewProfileIsWrittenWithItsKeysAndDeletingItKeepsEveryOtherLine)
{
    const QByteArray before = "; kept comment\n[Favorites]\nhost=/home/u/Favorites\n\n"
                              "[Syncs]\nOther=Other\n[Other]\nPC=/o/\n";
    writeIni(before);
    frame->LoadProfiles(); // adds this computer's Favorites entry
    const QByteArray loaded = contentsOf(iniPath());
    setPair(homeFolder() + "/docs/", "/stick/docs/", 1, true);
    createProfile("Work");

    const QString text = QString::fromUtf8(contentsOf(iniPath()));
    EXPECT_TRUE(text.contains("Work=Work"));
    EXPECT_TRUE(
        text.contains("[Work]\nPC=" + homeFolder() + "/docs/\nUSBDISK=/stick/docs/\nDIRECT=1\nSUBDIR=1\n"));
    ASSERT_EQ(frame->lvSyncs->count(), 2);
    EXPECT_TRUE(frame->lvSyncs->selectedItems().isEmpty());

    select("Work");
    frame->actDelete->trigger();
    EXPECT_EQ(contentsOf(iniPath()), loaded);
    EXPECT_EQ(frame->lvSyncs->count(), 1);
    EXPECT_TRUE(frame->lvSyncs->selectedItems().isEmpty());
}

TEST_F(SyncProfilesTest, NamesThatWouldBreakTheFileAreRefusedAndNothingIsWritten)
{
    const QByteArray before = contentsOf(iniPath());
    for (const char* name : {"", "[x", "x]", ";x", " x", "x ", "syncs", "FAVORITES", "a=b"}) {
        SCOPED_TRACE(name);
        dialogs.messages.clear();
        createProfile(name);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(contentsOf(iniPath()), before);
    }
    EXPECT_TRUE(syncprofiles::nameProblem("My Docs").isEmpty());
}

TEST_F(SyncProfilesTest, FavoritesPointAtTheDiskAndBackThroughTheActionMenu)
{
    const QString own = homeFolder() + "/Favorites";
    EXPECT_EQ(TIniFile(iniPath()).ReadString("Favorites", GetComputerNameStr(), ""), own);
    ASSERT_FALSE(frame->miGhost->isChecked());

    frame->miGhost->trigger();
    EXPECT_TRUE(frame->tbGhost->isChecked());
    EXPECT_EQ(platform::shell::specialFolderPath(platform::shell::CSIDL_FAVORITES, true),
              programFolder() + "Pelloran/My Favorites");
    ASSERT_EQ(dialogs.shellRequests.size(), 1u);
    EXPECT_EQ(dialogs.shellRequests[0].file, "IEXPLORE.EXE");

    // Opened again while ghosted: the saved path stays, the button shows pressed.
    frame->LoadProfiles();
    EXPECT_TRUE(frame->tbGhost->isChecked());
    EXPECT_EQ(TIniFile(iniPath()).ReadString("Favorites", GetComputerNameStr(), ""), own);

    frame->miGhost->trigger();
    EXPECT_FALSE(frame->tbGhost->isChecked());
    EXPECT_FALSE(frame->miGhost->isChecked());
    EXPECT_EQ(platform::shell::specialFolderPath(platform::shell::CSIDL_FAVORITES, false), own);
}

TEST(SyncMobileFolder, AChosenFolderKeepsToTheDiskRoot)
{
    const struct
    {
        const char* root;
        const char* chosen;
        const char* relative;
    } cases[] = {
        {"/media/stick/", "/media/stick/docs/a", "/docs/a/"},
        {"/media/stick/", "/media/stick", "/"},
        {"/media/stick/", "/media/stickier/a", ""},
        {"/media/stick/", "/MEDIA/stick/a", ""},
        {"/", "/home/u/docs", "/home/u/docs/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mobileRelativeFolder(c.root, c.chosen), c.relative) << c.chosen;
}

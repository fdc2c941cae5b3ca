#include "mobile/SyncProfiles.h"

#include "common/SystemRoutines.h"
#include "mobile/MountedDisk.h"
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

    // Runs New Sync, naming the profile in the dialog and pressing OK; true when OK left the
    // dialog open with the name as typed (it is then cancelled).
    bool createProfile(const QString& name)
    {
        bool keptOpen = false;
        WhenModal answer([&](QDialog* dialog) {
            auto* nameField = dialog->findChild<QLineEdit*>("edtProfilename");
            nameField->setText(name);
            dialog->findChild<QPushButton*>("btnOK")->click();
            keptOpen = dialog->isVisible() && nameField->text() == name;
        });
        frame->actNewSync->trigger();
        EXPECT_TRUE(answer.ran());
        return keptOpen;
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

// The stick started on a second PC: its settings file exists and the FUSE FAT driver keeps no modes.
TEST_F(SyncProfilesTest, OnAFatStickANewPcsEntryAndAProfileAreStoredReadBackAndDeleted)
{
    const QString stick = homeFolder() + "/stick";
    MountedDisk fat(MountedDisk::Kind::Fat, stick, 8);
    if (!fat.mounted())
        GTEST_SKIP() << "no FAT disk: " << fat.reason().toStdString();
    platform::sys::setProgramFolder(stick + "/Tessary/");
    const QString ini = stick + "/Tessary/Pelloran.ini";
    makeFile(ini, "[Favorites]\nOTHER-PC=/home/other/Favorites\n", localSeconds(2024, 1, 1));

    frame->LoadProfiles();
    EXPECT_EQ(TIniFile(ini).ReadString("Favorites", GetComputerNameStr(), ""), homeFolder() + "/Favorites");
    const QByteArray loaded = contentsOf(ini);
    setPair(homeFolder() + "/docs/", stick + "/docs/", 0, true);
    createProfile("Work");
    const QList<TSyncProfile> profiles = syncprofiles::read(TIniFile(ini));
    ASSERT_EQ(profiles.size(), 1);
    EXPECT_EQ(profiles[0].Name, "Work");
    EXPECT_EQ(profiles[0].PC, homeFolder() + "/docs/");
    EXPECT_EQ(profiles[0].UsbDisk, "/docs/");
    EXPECT_EQ(profiles[0].Direct, "0");
    EXPECT_EQ(profiles[0].SubDir, "1");

    select("Work");
    frame->actDelete->trigger();
    EXPECT_EQ(contentsOf(ini), loaded + "[Syncs]\n");
    EXPECT_EQ(frame->lvSyncs->count(), 0);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(QDir(stick + "/Tessary").entryList(QDir::Files | QDir::Hidden), QStringList{"Pelloran.ini"});
}

// A file from elsewhere may name a Mobile Disk folder that climbs out of the stick.
TEST_F(SyncProfilesTest, AMobileDiskFolderOffTheStickIsNeverAnalysed)
{
    const QString stick = homeFolder() + "/stick";
    MountedDisk disk(MountedDisk::Kind::Tmpfs, stick, 1);
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    platform::sys::setProgramFolder(stick + "/");
    const std::int64_t noon = localSeconds(2024, 1, 1);
    makeFile(homeFolder() + "/outside/secret.txt", "off the stick", noon);
    makeFile(stick + "/b/inside.txt", "on the stick", noon);
    QDir().mkpath(homeFolder() + "/pc");
    QDir().mkpath(stick + "/a");
    const QString pc = "PC=" + homeFolder() + "/pc/\n";
    makeFile(stick + "/Pelloran.ini",
             ("[Syncs]\nUp=Up\nDeeper=Deeper\nInside=Inside\n[Up]\n" + pc +
              "USBDISK=/../outside/\n[Deeper]\n" + pc + "USBDISK=\\a\\..\\..\\outside\\\n[Inside]\n" + pc +
              "USBDISK=/a/../b/\n")
                 .toUtf8(),
             noon);
    frame->LoadProfiles();
    for (const char* name : {"Up", "Deeper"}) {
        SCOPED_TRACE(name);
        dialogs.messages.clear();
        select(name);
        frame->actAnalyse->trigger();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_TRUE(dialogs.messages[0].text.contains(frame->edtUsb->text()))
            << dialogs.messages[0].text.toStdString();
        EXPECT_EQ(frame->fileList()->rowCount(), 0);
    }
    dialogs.messages.clear();
    select("Inside");
    frame->actAnalyse->trigger();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_GE(rowOf("inside.txt"), 0);
}

TEST_F(SyncProfilesTest, NamesThatWouldBreakTheFileAreRefusedAndNothingIsWritten)
{
    const QByteArray before = contentsOf(iniPath());
    for (const char* name : {"", "[x", "x]", ";x", " x", "x ", "syncs", "FAVORITES", "a=b"}) {
        SCOPED_TRACE(name);
        dialogs.messages.clear();
        EXPECT_TRUE(createProfile(name)) << "what was typed is kept to be mended";
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(contentsOf(iniPath()), before);
    }
    EXPECT_TRUE(syncprofiles::nameProblem("My Docs").isEmpty());

    // A hand-made profile named like the file's own section: refused before its dialog opens.
    writeIni("[Syncs]\nFavorites=Favorites\n");
    frame->LoadProfiles();
    const QByteArray handMade = contentsOf(iniPath());
    select("Favorites");
    for (QAction* command : {frame->actProperties, frame->actDelete}) {
        SCOPED_TRACE(command->objectName().toStdString());
        dialogs.messages.clear();
        WhenModal dialog([](QDialog*) {});
        command->trigger();
        EXPECT_FALSE(dialog.ran());
        EXPECT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(contentsOf(iniPath()), handMade);
    }
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

#include "desktop/DiskPageRows.h"
#include "desktop/DiskPagesFixture.h"
#include "desktop/QuorvaneFrame.h"
#include "platform/Locale.h"

#include <QTabWidget>
#include <QToolButton>

class RestorePageTest : public DiskPagesFixture
{
protected:
    RestorePageTest() { startForm(); }

    QListWidget* backups() const { return frame()->RestoreListView; }
    QTreeWidget* restoreRows() const { return frame()->RestoreProcessListView; }

    void listBackups() { frame()->QuorvaneFrame1->sbRestore->click(); }

    // Lists the backups, selects the one named, and analyses it.
    void analyse(const QString& name)
    {
        listBackups();
        for (int i = 0; i < backups()->count(); ++i)
            if (backups()->item(i)->data(Qt::UserRole).toString() == name)
                backups()->setCurrentRow(i);
        frame()->Restore_Analyse_Btn->click();
    }

    // A backup made by hand, as the Backup page lays one out.
    QString makeBackup(const QString& name)
    {
        const QString folder = backupFolder(name);
        writeFile(folder + "/Dokumente/a.txt", "alpha", 1600000001);
        writeFile(folder + "/Dokumente/sub/b.txt", "bravo", 1600000003);
        writeFile(folder + projects + "/x.txt", "x-ray", 1600000006);
        return folder;
    }
};

TEST_F(RestorePageTest, TheBackupListShowsOnlyFoldersNamedByADateOldestFirst)
{
    for (const char* name : {"20261207091530", "20250101000000", "20261399999999", "2026120709153x",
                             "Pelloran", "202612070915301"})
        QDir().mkpath(backupFolder(name));
    listBackups();

    ASSERT_EQ(backups()->count(), 2);
    EXPECT_EQ(backups()->item(0)->data(Qt::UserRole).toString(), "20250101000000");
    EXPECT_EQ(backups()->item(0)->text(),
              platform::locale::dateTimeToStr(QDateTime(QDate(2025, 1, 1), QTime(0, 0))));
    EXPECT_EQ(backups()->item(1)->data(Qt::UserRole).toString(), "20261207091530");
    EXPECT_EQ(backups()->item(1)->text(),
              platform::locale::dateTimeToStr(QDateTime(QDate(2026, 12, 7), QTime(9, 15, 30))));

    // Nothing selected: each button says so and nothing else happens.
    frame()->Restore_Analyse_Btn->click();
    frame()->Restore_Button->setEnabled(true);
    frame()->Restore_Button->click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "Please Select Restore Project.");
    EXPECT_EQ(dialogs.messages[1].text, "Please Select Restore Project ");
    EXPECT_EQ(restoreRows()->topLevelItemCount(), 0);
}

TEST_F(RestorePageTest, RestoreCopiesTheBackupUnderItsRelativePathsIntoTheChosenFolder)
{
    const QString backup = makeBackup("20261207091530");
    analyse("20261207091530");
    analyse("20261207091530"); // a second analysis replaces the first one's rows
    EXPECT_EQ(restoreRows()->topLevelItemCount(), 3);
    EXPECT_EQ(dialogs.messages.back().text, "Restore Analyse Finished ");
    EXPECT_FALSE(frame()->Restore_Analyse_Btn->isEnabled());

    const QString target = sourceRoot() + "/restored";
    QDir().mkpath(target);
    dialogs.messages.clear();
    dialogs.queueMessageAnswer(platform::dialogs::Ok);
    dialogs.queueFolder(target);
    frame()->Restore_Button->click();

    EXPECT_EQ(contents(target), contents(backup));
    EXPECT_EQ(modifiedSeconds(target + projects + "/x.txt"), 1600000006);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, backups()->currentItem()->text() + " Data Restore");
    EXPECT_EQ(dialogs.messages[0].title, "Restore");
    EXPECT_EQ(dialogs.messages[0].buttons, platform::dialogs::Ok | platform::dialogs::Cancel);
    EXPECT_EQ(dialogs.messages[1].text, "Selected Restore Directory : \r\n" + target);
    ASSERT_EQ(dialogs.folders.size(), 1u);
    EXPECT_EQ(dialogs.folders[0].title, "Select Restore folder");
    EXPECT_EQ(column(restoreRows(), diskpage::StateColumn), QStringList(3, "finished"));
    EXPECT_TRUE(frame()->Restore_Analyse_Btn->isEnabled());
    EXPECT_FALSE(frame()->Restore_Button->isEnabled());
}

TEST_F(RestorePageTest, DeclinedOrIntoTheBackupItselfNothingIsCopied)
{
    const QString backup = makeBackup("20261207091530");
    const QMap<QString, QByteArray> before = contents(backup);
    const struct
    {
        int answer;
        QString folder;
        bool refused;
    } cases[] = {
        {platform::dialogs::Cancel, sourceRoot(), false},
        {platform::dialogs::Ok, QString(), false},
        {platform::dialogs::Ok, backup, true},
        {platform::dialogs::Ok, backup + "/Dokumente", true},
        {platform::dialogs::Ok, programFolder() + "../Tessary/20261207091530", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder.toStdString());
        analyse("20261207091530");
        dialogs.messages.clear();
        dialogs.queueMessageAnswer(c.answer);
        if (c.answer == platform::dialogs::Ok)
            dialogs.queueFolder(c.folder);
        frame()->Restore_Button->click();
        EXPECT_EQ(contents(backup), before);
        EXPECT_EQ(dialogs.messages.size(), c.refused ? 2u : 1u);
        if (c.refused) {
            EXPECT_TRUE(dialogs.messages[1].text.contains("inside the backup"));
        }
        EXPECT_TRUE(frame()->Restore_Analyse_Btn->isEnabled());
        EXPECT_FALSE(frame()->Restore_Button->isEnabled());
    }
    EXPECT_FALSE(QFileInfo::exists(sourceRoot() + "/Dokumente"));
}

TEST_F(RestorePageTest, RestoreNeverReplacesTheDatabaseTheProgramHasOpen)
{
    const QString backup = backupFolder("20261207091530");
    writeFile(backup + "/desktop.mdb", "an old database", 1600000001);
    writeFile(backup + "/notes.txt", "notes", 1600000002);
    const QByteArray database = readFile(databasePath());
    analyse("20261207091530");
    dialogs.messages.clear();
    dialogs.queueMessageAnswer(platform::dialogs::Ok);
    QString programFolderPath = programFolder();
    programFolderPath.chop(1);
    dialogs.queueFolder(programFolderPath);
    frame()->Restore_Button->click();

    EXPECT_EQ(readFile(databasePath()), database);
    EXPECT_EQ(readFile(programFolder() + "notes.txt"), "notes");
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[2].text, "1 file was not restored. The list names them.");
    EXPECT_EQ(logLines(frame()->RestoreMemo, "Failed:" + backup + "/desktop.mdb").size(), 1);
}

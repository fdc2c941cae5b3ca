#include "desktop/DiskPageRows.h"
#include "desktop/DiskPagesFixture.h"
#include "desktop/ShellListView.h"
#include "platform/Locale.h"
#include "platform/WindowsVersion.h"
#include "support/TracedChild.h"

#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

using namespace platform::version;

class BackupPageTest : public DiskPagesFixture
{
protected:
    BackupPageTest()
    {
        makeSourceTree();
        startForm();
        addUserFolder(projects);
    }

    // The relative names the page should give, caption by caption.
    QMap<QString, QString> expectedTargets(const QString& backup) const
    {
        QMap<QString, QString> targets;
        for (const char* name : {"/a.txt", "/.hidden", "/sub/b.txt", "/sub/deeper/c.txt"})
            targets.insert(documents + name, backup + "/Dokumente" + name);
        targets.insert(pictures + "/p.png", backup + "/Bilder/p.png");
        targets.insert(projects + "/x.txt", backup + projects + "/x.txt");
        return targets;
    }
};

TEST_F(BackupPageTest, AnalyseListsEachFolderDepthFirstWithItsTargetInANewDatedFolder)
{
    // Left by a restore cut short, in a folder that Backup only reads.
    const QString leftover = documents + "/sub/.tessary-copy-Ab3xY9";
    writeFile(leftover, "fragment", 1600000000);
    frame()->Analyse_Bn->click();

    const QString backup = backupFolder("20261207091530");
    const QStringList captions = column(rows(), diskpage::FileColumn);
    const QStringList targets = column(rows(), diskpage::TargetColumn);
    ASSERT_EQ(captions.size(), 6);
    QMap<QString, QString> listed;
    for (qsizetype i = 0; i < captions.size(); ++i)
        listed.insert(captions[i], targets[i]);
    EXPECT_EQ(listed, expectedTargets(backup));
    // Documents, then Pictures, then the user's folder; a sub-folder's files together.
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(captions[i].startsWith(documents + '/')) << captions[i].toStdString();
    EXPECT_EQ(captions[4], pictures + "/p.png");
    EXPECT_EQ(captions[5], projects + "/x.txt");
    EXPECT_EQ(std::abs(captions.indexOf(documents + "/sub/b.txt") -
                       captions.indexOf(documents + "/sub/deeper/c.txt")),
              1);

    const QTreeWidgetItem* first = rows()->findItems(documents + "/a.txt", Qt::MatchExactly).constFirst();
    EXPECT_EQ(first->text(diskpage::SizeColumn), "5");
    const QDateTime local = QDateTime::fromSecsSinceEpoch(1600000001);
    EXPECT_EQ(first->text(diskpage::ModifiedColumn),
              local.toString("yyyy/MM/dd HH:mm:") + QString::asprintf("%02d", local.time().second() & ~1));

    EXPECT_EQ(frame()->FileLabel->text(), "Analyse Finished ," + platform::locale::dateTimeToStr(Moment) +
                                              ", Files:6,Total Size:0.00(Gb)" +
                                              frame()->FileLabel->text().section("(Gb)", 1));
    EXPECT_TRUE(frame()->FileLabel->text().endsWith("(milliseconds)"));
    EXPECT_FALSE(frame()->Analyse_Bn->isEnabled());
    EXPECT_TRUE(frame()->Backup_Btn->isEnabled());
    EXPECT_EQ(frame()->PageControl1->currentIndex(), 1);
    EXPECT_FALSE(QFileInfo::exists(backup)); // Analyse makes no folder
    EXPECT_TRUE(QFileInfo::exists(leftover));
}

TEST_F(BackupPageTest, TheSystemVersionChoosesTheFoldersAndTheSummaryFollowsTheLocale)
{
    // A sparse file of 1.5 GiB costs nothing to list.
    QFile big(pictures + "/big.raw");
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(qint64(1536) * 1024 * 1024));
    big.close();
    OsVersionInfo xp;
    xp.majorVersion = 5;
    xp.minorVersion = 1;
    OsVersionInfo windows2000;
    windows2000.majorVersion = 5;
    windows2000.minorVersion = 0;
    const struct
    {
        OsVersionInfo record;
        QLocale locale;
        QStringList folders;
        QString summary;
    } cases[] = {
        {OsVersionInfo{},
         QLocale(QLocale::German, QLocale::Germany),
         {documents, pictures, projects},
         ", Files:7,Total Size:1,50(Gb)"},
        {xp,
         QLocale(QLocale::English, QLocale::UnitedStates),
         {documents, projects},
         ", Files:5,Total Size:0.00(Gb)"},
        {windows2000, QLocale(QLocale::English, QLocale::UnitedStates), {}, ", Files:0,Total Size:0.00(Gb)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.summary.toStdString());
        setVersionInfo(c.record);
        platform::locale::pinLocale(c.locale);
        frame()->CancelButton_Btn->click();
        frame()->Analyse_Bn->click();
        // Every file comes from a folder of the case, and each of them is scanned.
        QSet<QString> scanned;
        for (const QString& caption : column(rows(), diskpage::FileColumn)) {
            const auto folder = std::find_if(c.folders.begin(), c.folders.end(),
                                             [&](const QString& f) { return caption.startsWith(f + '/'); });
            ASSERT_NE(folder, c.folders.end()) << caption.toStdString();
            scanned.insert(*folder);
        }
        EXPECT_EQ(scanned, QSet<QString>(c.folders.begin(), c.folders.end()));
        EXPECT_TRUE(frame()->FileLabel->text().contains(c.summary))
            << frame()->FileLabel->text().toStdString();
    }
}

TEST_F(BackupPageTest, BackupMakesTheFoldersInOrderAndCopiesEveryFileWithItsTime)
{
    frame()->Analyse_Bn->click();
    frame()->Backup_Btn->click();

    const QString backup = backupFolder("20261207091530");
    QStringList folders;
    for (const QString& target : column(rows(), diskpage::TargetColumn))
        if (!folders.contains(target.left(target.lastIndexOf('/') + 1)))
            folders << target.left(target.lastIndexOf('/') + 1);
    QStringList made;
    for (const QString& line : logLines(frame()->ActionMemo, " Make Directory:"))
        made << line.mid(16).section(',', 0, -2);
    EXPECT_EQ(made, folders);

    const QMap<QString, QString> targets = expectedTargets(backup);
    for (auto it = targets.begin(); it != targets.end(); ++it) {
        SCOPED_TRACE(it.value().toStdString());
        EXPECT_EQ(readFile(it.value()), readFile(it.key()));
        EXPECT_EQ(modifiedSeconds(it.value()), modifiedSeconds(it.key()));
    }
    // Nothing else: no link, no temporary file.
    EXPECT_EQ(contents(backup).size(), targets.size());
    EXPECT_EQ(column(rows(), diskpage::StateColumn), QStringList(6, "finished"));
    EXPECT_EQ(logLines(frame()->ActionMemo, "Backup:").size(), 6);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Backup Finish ,0(Minutes)");
    EXPECT_FALSE(frame()->Backup_Btn->isEnabled());
    EXPECT_TRUE(frame()->Analyse_Bn->isEnabled());
    EXPECT_EQ(frame()->PageControl1->currentIndex(), 2);
}

TEST_F(BackupPageTest, RowsWithoutATargetAndFailedCopiesAreCountedNamedAndNeverWritten)
{
    frame()->Analyse_Bn->click();
    // Relative to a prefix that only some rows start with: the others get "Error:" names.
    frame()->FilterDirList(documents + "/sub", 0, rows());
    const QString backup = backupFolder("20261207091530");
    for (int i = 0; i < rows()->topLevelItemCount(); ++i)
        rows()->topLevelItem(i)->setText(diskpage::TargetColumn, backup + rows()->topLevelItem(i)->text(1));
    // One source vanishes after the analysis.
    ASSERT_TRUE(QFile::remove(documents + "/sub/deeper/c.txt"));
    frame()->Backup_Btn->click();

    EXPECT_EQ(readFile(backup + "/b.txt"), "bravo");
    EXPECT_EQ(QDir(programFolder()).entryList({"*Error*"}, QDir::AllEntries | QDir::Hidden), QStringList());
    EXPECT_EQ(column(rows(), diskpage::StateColumn).count("finished"), 1);
    EXPECT_EQ(logLines(frame()->ActionMemo, "Failed:").size(), 5);
    EXPECT_EQ(logLines(frame()->ActionMemo, "Failed:" + documents + "/sub/deeper/c.txt").size(), 1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Backup Finish ,0(Minutes)\n5 files were not copied.");
}

TEST_F(BackupPageTest, AnAnalyseInTheSecondOfAnEarlierBackupTakesTheNextSecond)
{
    frame()->Analyse_Bn->click();
    frame()->Backup_Btn->click();
    writeFile(documents + "/a.txt", "changed", 1600000100);
    frame()->Analyse_Bn->click(); // the clock still says the same second
    frame()->Backup_Btn->click();

    EXPECT_EQ(readFile(backupFolder("20261207091530") + "/Dokumente/a.txt"), "alpha");
    EXPECT_EQ(readFile(backupFolder("20261207091531") + "/Dokumente/a.txt"), "changed");
}

// A backup cut short leaves its temporary file deep in its dated folder, where no later run writes.
TEST_F(BackupPageTest, ABackupClearsWhatCopiesCutShortLeftInEarlierBackupsAndNothingElse)
{
    const QString earlier = backupFolder("20250101000000") + projects;
    const QStringList kept = {"x.txt", ".hidden", ".tessary-copy-notes.txt"};
    for (const QString& name : kept)
        writeFile(earlier + '/' + name, "kept", 1600000000);
    writeFile(earlier + "/.tessary-copy-Ab3xY9", "fragment", 1600000000);
    // Elsewhere in the program folder, and behind links: one of a backup's name, one inside it.
    const QStringList elsewhere = {programFolder() + "Pelloran/.tessary-copy-Ab3xY9",
                                   sourceRoot() + "/linked/.tessary-copy-Ab3xY9"};
    for (const QString& path : elsewhere)
        writeFile(path, "fragment", 1600000000);
    ASSERT_TRUE(QFile::link(sourceRoot() + "/linked", backupFolder("20250202000000")));
    ASSERT_TRUE(QFile::link(sourceRoot() + "/linked", earlier + "/inner"));
    // Another copy of the organiser writing into the earlier backup, its temporary as old.
    writeFile(earlier + "/held.txt", "old", 1600000000);
    TracedChild writing([&] {
        return QByteArray::number(
            platform::files::copyFile(documents + "/a.txt", earlier + "/held.txt").ok());
    });
    ASSERT_TRUE(writing.stopBefore(TracedChild::Call::Rename, ".tessary-copy-"));
    const auto temporaries = [&] {
        return QDir(earlier).entryList({".tessary-copy-??????"}, QDir::Files | QDir::Hidden);
    };
    QStringList held = temporaries();
    ASSERT_TRUE(held.removeOne(".tessary-copy-Ab3xY9"));
    ASSERT_EQ(held.size(), 1);

    frame()->Analyse_Bn->click();
    frame()->Backup_Btn->click();

    EXPECT_EQ(temporaries(), held);
    for (const QString& name : kept)
        EXPECT_EQ(readFile(earlier + '/' + name), "kept") << name.toStdString();
    for (const QString& path : elsewhere)
        EXPECT_EQ(readFile(path), "fragment") << path.toStdString();
    EXPECT_EQ(writing.finish(), "1");
    EXPECT_EQ(readFile(earlier + "/held.txt"), "alpha");
}

TEST_F(BackupPageTest, WhileABackupRunsItsButtonsStayDisabledAndTheWindowClosesOnlyAtTheEnd)
{
    frame()->Analyse_Bn->click();
    std::vector<bool> enabledDuringRun;
    bool runningDuringRun = false;
    bool visibleAfterClose = false;
    QTimer::singleShot(0, frame(), [&] {
        runningDuringRun = frame()->copyRunning();
        frame()->CancelButton_Btn->click();
        for (QPushButton* button : {frame()->Analyse_Bn, frame()->Backup_Btn, frame()->Restore_Analyse_Btn,
                                    frame()->Restore_Button})
            enabledDuringRun.push_back(button->isEnabled());
        form->close();
        visibleAfterClose = form->isVisible();
    });
    frame()->Backup_Btn->click();

    EXPECT_TRUE(runningDuringRun);
    EXPECT_EQ(enabledDuringRun, std::vector<bool>(4, false));
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_EQ(column(rows(), diskpage::StateColumn), QStringList(6, "finished"));
    EXPECT_TRUE(frame()->Analyse_Bn->isEnabled());
    EXPECT_FALSE(frame()->Backup_Btn->isEnabled());
    EXPECT_TRUE(frame()->Restore_Analyse_Btn->isEnabled());
    QTRY_VERIFY(!form->isVisible());
}

TEST_F(BackupPageTest, SourceRowsShowAndOpenTheirFoldersAndThePickerIsCentred)
{
    ASSERT_EQ(frame()->lvSyncs->count(), 6);
    EXPECT_EQ(frame()->lvSyncs->item(5)->text(), projects);
    ASSERT_EQ(dialogs.folders.size(), 1u);
    EXPECT_EQ(dialogs.folders[0].title, "Select a folder");
    const struct
    {
        int row;
        QString root;
    } cases[] = {{1, documents}, {2, pictures}, {3, QString()}, {5, projects}};
    for (const auto& c : cases) {
        frame()->lvSyncs->setCurrentRow(c.row);
        EXPECT_EQ(frame()->ShellListView1->root(), c.root) << c.row;
    }
    frame()->lvSyncs->setCurrentRow(1);
    frame()->lvSyncsDblClick();
    ASSERT_EQ(dialogs.shellRequests.size(), 1u);
    EXPECT_EQ(dialogs.shellRequests[0].verb, "explore");
    EXPECT_EQ(dialogs.shellRequests[0].file, documents);

    QWidget picker;
    picker.resize(401, 301);
    picker.show();
    TDesktopFrame::CenterBrowseDialog(&picker);
    const QRect area = picker.screen()->availableGeometry();
    EXPECT_LE((picker.frameGeometry().center() - area.center()).manhattanLength(), 2);
}

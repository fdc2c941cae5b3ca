#include "app/MainDesktopForm.h"

#include "app/Forms.h"
#include "app/Startup.h"
#include "common/SystemRoutines.h"
#include "common/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DesktopStarts.h"
#include "desktop/QuorvaneFrame.h"
#include "editors/NewEventForm.h"
#include "mobile/PelloranFrame.h"
#include "platform/Application.h"
#include "platform/Database.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"
#include "platform/ShellFolders.h"
#include "reader/ReaderForm.h"
#include "support/TessaryTest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QWheelEvent>
#include <QWindow>
#include <cstdio>
#include <sqlite3.h>
#include <vector>

namespace {

const QString UserShellFolders = platform::shell::UserShellFoldersKey;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void setFavoritesInRegistry(const QString& path)
{
    ASSERT_TRUE(platform::registry::writeString(platform::registry::Root::CurrentUser, UserShellFolders,
                                                "Favorites", path));
}

QString favoritesInRegistry()
{
    return platform::registry::readString(platform::registry::Root::CurrentUser, UserShellFolders,
                                          "Favorites")
        .value_or("<none>");
}

} // namespace

class StartupTest : public TessaryTest
{
protected:
    QString iniPath() const { return programFolder() + "Pelloran.ini"; }
};

TEST_F(StartupTest, OpensDatabaseAndSetsCaption)
{
    createDatabase();
    TMainDesktopForm form;
    EXPECT_EQ(form.windowTitle(), "Ambrel Tessary 2.0 ");
    EXPECT_TRUE(form.ADOConnection.Connected());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(form.PelloranFrame1->isHidden());
    EXPECT_FALSE(form.DesktopFrame->isHidden());
}

TEST_F(StartupTest, ADatabaseReplacedOnDiskIsShownAndSaidOnTheNextCommand)
{
    createDatabase();
    const QString older = programFolder() + "older.mdb";
    ASSERT_TRUE(QFile::copy(databasePath(), older));
    TMainDesktopForm form;
    TADOQuery add;
    add.Connection = &form.ADOConnection;
    add.SQL.Add("insert into address (LastName) values ('Only in the old file')");
    add.ExecSQL();
    form.DesktopFrame->LoadContactList();
    ASSERT_EQ(form.DesktopFrame->ContactListView->model()->rowCount(), 1);

    ASSERT_EQ(
        std::rename(QFile::encodeName(older).constData(), QFile::encodeName(databasePath()).constData()), 0);
    form.DesktopFrame->LoadContactList();
    EXPECT_EQ(form.DesktopFrame->ContactListView->model()->rowCount(), 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("was replaced on disk while the program ran"));
}

namespace {

// What start-up may build after the first frame, found by name as a test or a handler would.
std::vector<QWidget*> hiddenParts()
{
    return {MainDesktopForm->findChild<QWidget*>("PelloranFrame1"),
            MainDesktopForm->findChild<QWidget*>("AddressListView"),
            MainDesktopForm->findChild<QWidget*>("ExpenseListView"),
            MainDesktopForm->findChild<QWidget*>("BackupImage"),
            MainDesktopForm->findChild<QWidget*>("RestoreListView")};
}

// The hidden parts exist, set up as start-up leaves them, and the desktop frame is the one shown.
void expectHiddenPartsBuilt()
{
    for (QWidget* part : hiddenParts())
        ASSERT_NE(part, nullptr);
    TDesktopFrame* frame = MainDesktopForm->DesktopFrame;
    EXPECT_EQ(frame->AddressListView->columnCount(), 14);
    EXPECT_EQ(frame->NewAddressButton->text(), "New Address");
    EXPECT_FALSE(frame->isHidden());
}

// Shows the frame's page `page` and gives what it holds, in the order it was made.
QList<QWidget*> partsShown(TMainDesktopForm& form, int page)
{
    form.DesktopFrame->ToolPageControl->setActivePageIndex(page);
    QApplication::processEvents();
    return form.DesktopFrame->ToolPageControl->page(page)->findChildren<QWidget*>();
}

} // namespace

TEST_F(StartupTest, TheDialogsAndTheHiddenPartsAreCreatedOnceTheMainWindowHasBeenPainted)
{
    createDatabase();
    CreateApplicationForms();
    ASSERT_TRUE(MainDesktopForm);
    EXPECT_TRUE(NewEventForm.isNull());
    for (QWidget* part : hiddenParts())
        EXPECT_EQ(part, nullptr);
    MainDesktopForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(MainDesktopForm));
    EXPECT_TRUE(QTest::qWaitFor([] {
        return !GoToForm.isNull() && !NewEventForm.isNull() && !MemoForm.isNull() && !NewGroupForm.isNull() &&
               !NewExpenseForm.isNull() && !AddressForm.isNull() && !SelectDirectForm.isNull();
    }));
    // Each was made with its start-up work done, on the main window's connection.
    EXPECT_EQ(NewEventForm->starth_cb->count(), 24);
    EXPECT_TRUE(NewEventForm->isHidden());
    expectHiddenPartsBuilt();
    EXPECT_TRUE(MainDesktopForm->PelloranFrame1->isHidden());
    Application::releaseForms();
}

TEST_F(StartupTest, AClickBeforeTheFirstFrameFindsTheHiddenPartsBuilt)
{
    createDatabase();
    CreateApplicationForms();
    MainDesktopForm->show();
    QTest::mouseClick(MainDesktopForm->DesktopFrame->QuorvaneFrame1->sbAddress, Qt::LeftButton);
    expectHiddenPartsBuilt();
    EXPECT_EQ(MainDesktopForm->DesktopFrame->ToolPageControl->ActivePageIndex(), 2);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(MainDesktopForm));

    // Each page shows as in a window built whole at once.
    TMainDesktopForm whole;
    whole.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&whole));
    QTest::mouseClick(whole.DesktopFrame->QuorvaneFrame1->sbAddress, Qt::LeftButton);
    for (int page = 2; page <= 6; ++page) {
        const QList<QWidget*> expected = partsShown(whole, page);
        const QList<QWidget*> actual = partsShown(*MainDesktopForm, page);
        ASSERT_EQ(actual.size(), expected.size()) << page;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(actual[i]->objectName(), expected[i]->objectName());
            EXPECT_EQ(actual[i]->geometry(), expected[i]->geometry())
                << expected[i]->objectName().toStdString();
        }
    }
    Application::releaseForms();
}

TEST_F(StartupTest, EventsWhoseStartCannotBeReadAreCountedOnceAtStartUp)
{
    createDatabase();
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(databasePath()).constData(), &db);
    sqlite3_exec(
        db,
        "pragma ignore_check_constraints = on; insert into journal (jstarttime, jendtime, memo) values "
        "('2026-12-06 09:00:00', '2026-12-06 10:00:00', 'fine'), ('2026-13-06 09:00:00', null, 'bad'), "
        "(null, null, 'none')",
        nullptr, nullptr, nullptr);
    sqlite3_close(db);

    CreateApplicationForms();
    MainDesktopForm->show();
    ASSERT_TRUE(QTest::qWaitFor([] { return !SelectDirectForm.isNull(); }));
    QTest::qWait(0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "2 events have a start time that cannot be read, so they belong to no day and are not shown.");
    Application::releaseForms();
}

TEST_F(StartupTest, MissingDatabaseIsReportedAndStartUpGoesOn)
{
    TMainDesktopForm form;
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "Can't Find desktop.mdb File!!  ");
    EXPECT_EQ(dialogs.messages[0].title, "ERROR");
    EXPECT_EQ(dialogs.messages[0].buttons, platform::dialogs::Ok);
    EXPECT_EQ(dialogs.messages[1].text, "Database file \"" + databasePath() + "\" not found");
    EXPECT_FALSE(form.ADOConnection.Connected());
    EXPECT_FALSE(QFile::exists(databasePath())) << "opening must never create the file";
    // Start-up went on past the database: the Favorites path was settled.
    EXPECT_FALSE(form.favoritesPath().isEmpty());
}

TEST_F(StartupTest, AFileThatCannotServeIsReportedWithWhy)
{
    createDatabase();
    const QByteArray sound = readFile(databasePath());
    QByteArray damaged = sound;
    damaged[100] = '\x7f'; // the schema page's kind
    QFile::remove(databasePath());
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(databasePath()).constData(), &db);
    sqlite3_exec(db, "create table journal (start, finish)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    const QByteArray foreign = readFile(databasePath());

    const struct
    {
        const char* name;
        QByteArray file;
        QString why;
    } cases[] = {
        {"text", "Standard Jet DB, or anything that is not ours", "\"%1\" is not a database."},
        {"damaged", damaged, "\"%1\" is damaged: database disk image is malformed."},
        {"empty", QByteArray(), "\"%1\" is empty: it holds no database."},
        {"another program's", foreign, "\"%1\" is not a database of this organiser: no such column: id."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.messages.clear();
        QFile file(databasePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.file);
        file.close();
        TMainDesktopForm form;
        ASSERT_EQ(dialogs.messages.size(), 2u);
        EXPECT_EQ(dialogs.messages[0].text, "Can't Find desktop.mdb File!!  ");
        EXPECT_EQ(dialogs.messages[1].text.toStdString(), c.why.arg(databasePath()).toStdString());
        EXPECT_FALSE(form.ADOConnection.Connected());
        EXPECT_EQ(readFile(databasePath()), c.file);
    }
}

TEST_F(StartupTest, AJournalSetAsideAtStartUpIsReported)
{
    createDatabase();
    // Any journal of another database that the engine would play back.
    const QString other = programFolder() + "other.db";
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(other).constData(), &db);
    sqlite3_exec(
        db,
        "pragma synchronous=off; create table t (x); insert into t values (randomblob(9000)); begin; "
        "delete from t;",
        nullptr, nullptr, nullptr);
    ASSERT_TRUE(QFile::copy(other + "-journal", databasePath() + "-journal"));
    sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
    sqlite3_close(db);

    TMainDesktopForm form;
    EXPECT_TRUE(form.ADOConnection.Connected());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(
        dialogs.messages[0].text.startsWith("A journal beside \"" + databasePath() + "\" did not belong"))
        << dialogs.messages[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(databasePath() + "-journal"));
}

TEST_F(StartupTest, OwnFavoritesPathIsRecordedForThisComputer)
{
    createDatabase();
    TMainDesktopForm form;
    const QString own = homeFolder() + "/Favorites";
    EXPECT_EQ(form.favoritesPath(), own);
    EXPECT_TRUE(QDir(own).exists()) << "the shell creates a missing Favorites folder";
    EXPECT_EQ(TIniFile(iniPath()).ReadString("Favorites", GetComputerNameStr(), ""), own);
}

TEST_F(StartupTest, GhostedFavoritesTakeTheSavedPathAndWriteNothing)
{
    createDatabase();
    setFavoritesInRegistry(programFolder() + "Pelloran/My Favorites");
    TIniFile(iniPath()).WriteString("Favorites", GetComputerNameStr(), "/home/someone/Favorites");
    const QByteArray before = readFile(iniPath());

    TMainDesktopForm form;
    EXPECT_EQ(form.favoritesPath(), "/home/someone/Favorites");
    EXPECT_EQ(readFile(iniPath()), before);

    form.FormClose();
    EXPECT_EQ(favoritesInRegistry(), "/home/someone/Favorites");
}

TEST_F(StartupTest, GhostFolderInOtherLetterCaseCountsAsTheUsersOwn)
{
    createDatabase();
    const QString otherCase = programFolder() + "pelloran/My Favorites";
    setFavoritesInRegistry(otherCase);
    TIniFile(iniPath()).WriteString("Favorites", GetComputerNameStr(), "/home/someone/Favorites");

    TMainDesktopForm form;
    EXPECT_EQ(form.favoritesPath(), otherCase);
    EXPECT_EQ(TIniFile(iniPath()).ReadString("Favorites", GetComputerNameStr(), ""), otherCase);
}

// The last run was killed while ghosted on a PC the file has no entry for.
TEST_F(StartupTest, ExitWithNoSavedPathGivesThePcItsDefaultFolderBack)
{
    createDatabase();
    setFavoritesInRegistry(programFolder() + "Pelloran/My Favorites");

    TMainDesktopForm form;
    EXPECT_TRUE(form.favoritesPath().isEmpty());
    form.PelloranFrame1->miExit->trigger();
    EXPECT_EQ(favoritesInRegistry(), "") << "the empty value is the default folder";
    EXPECT_EQ(platform::shell::specialFolderPath(platform::shell::CSIDL_FAVORITES, false),
              homeFolder() + "/Favorites");
    EXPECT_FALSE(form.ADOConnection.Connected());
}

TEST_F(StartupTest, UnwritableSettingsFileIsReportedAndTheFormStillOpens)
{
    createDatabase();
    QDir().mkpath(iniPath()); // a folder where the file should be: every write fails
    TMainDesktopForm form;
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Unable to write to " + iniPath());
    EXPECT_EQ(form.windowTitle(), "Ambrel Tessary 2.0 ");
    EXPECT_TRUE(form.PelloranFrame1->isHidden()) << "exactly one frame shows";
    EXPECT_FALSE(form.DesktopFrame->isHidden());
}

// A write-protected stick on a PC it has not seen: its profiles can still be synced towards the PC.
TEST_F(StartupTest, ASettingsFileThatRefusesWritesIsSaidOnceEachTimeAndTheSyncViewStillOpens)
{
    createDatabase();
    TIniFile(iniPath()).WriteString("Syncs", "Docs", "Docs");
    const QByteArray before = readFile(iniPath());
    ASSERT_TRUE(QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QString refusal = "Unable to write to " + iniPath();

    TMainDesktopForm form;
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, refusal);

    form.DesktopFrame->miSynchronize->trigger();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, refusal);
    EXPECT_FALSE(form.PelloranFrame1->isHidden());
    EXPECT_TRUE(form.DesktopFrame->isHidden());
    ASSERT_EQ(form.PelloranFrame1->lvSyncs->count(), 1);
    EXPECT_EQ(form.PelloranFrame1->lvSyncs->item(0)->text(), "Docs");
    EXPECT_EQ(readFile(iniPath()), before);
}

TEST_F(StartupTest, WithoutADatabaseEachCommandSaysSoOnceAndStillMovesOn)
{
    TMainDesktopForm form;
    // Start-up says so in its own words, and showing the window adds nothing.
    const size_t atStartUp = dialogs.messages.size();
    ASSERT_GT(atStartUp, 0u);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_EQ(dialogs.messages.size(), atStartUp);
    TDesktopFrame* frame = form.DesktopFrame;
    const QDate shown = frame->FCurrentDate;

    const struct
    {
        const char* command;
        QAbstractButton* button;
        int page;
    } commands[] = {
        {"Address Book", frame->QuorvaneFrame1->sbAddress, 2},
        {"Password", frame->QuorvaneFrame1->sbMemo, 3},
        {"Schedule", frame->QuorvaneFrame1->sbSchedule, 0},
        {"next week", frame->NextSpeedButton, 0},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.command);
        dialogs.messages.clear();
        c.button->click();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, "The database connection is closed");
        EXPECT_EQ(frame->ToolPageControl->ActivePageIndex(), c.page);
    }
    EXPECT_EQ(frame->FCurrentDate, shown.addDays(7));
}

class WheelTest : public TessaryTest
{
protected:
    WheelTest()
    {
        createDatabase();
        form = std::make_unique<TMainDesktopForm>();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        bar()->setValue(0);
    }

    QScrollBar* bar() { return form->DesktopFrame->EventScrollBox->verticalScrollBar(); }

    // One wheel turn over the day view, as the window system delivers it.
    void turn(int delta)
    {
        QWidget* target = form->DesktopFrame->EventScrollBox->viewport();
        const QPointF local = target->mapTo(form.get(), QPoint(20, 20));
        QWheelEvent event(local, form->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(form->windowHandle(), &event);
    }

    std::unique_ptr<TMainDesktopForm> form;
};

TEST_F(WheelTest, EveryThirdTurnOnTheDayPageScrollsTwentyTwoPixels)
{
    ASSERT_GT(bar()->maximum(), 100);
    turn(-120);
    turn(-120);
    EXPECT_EQ(bar()->value(), 0) << "the scroll box must not scroll by itself";
    turn(-120);
    EXPECT_EQ(bar()->value(), 22);
    turn(120);
    turn(120);
    turn(120);
    EXPECT_EQ(bar()->value(), 0);
}

TEST_F(WheelTest, DoubleNotchAsThirdTurnScrollsTwice)
{
    turn(-120);
    turn(-120);
    turn(-240);
    EXPECT_EQ(bar()->value(), 44);
}

TEST_F(WheelTest, OtherPagesNeitherScrollNorCount)
{
    TPageControl* pages = form->DesktopFrame->ToolPageControl;
    turn(-120);
    pages->setActivePageIndex(1);
    for (int i = 0; i < 3; ++i)
        turn(-120);
    pages->setActivePageIndex(0);
    EXPECT_EQ(bar()->value(), 0);
    turn(-120);
    EXPECT_EQ(bar()->value(), 0);
    turn(-120);
    EXPECT_EQ(bar()->value(), 22);
}

TEST_F(StartupTest, TabMovesOnFromEveryMultiLineTextBoxAndTypesNothing)
{
    createDatabase();
    TMainDesktopForm form;
    TForm1 reader;
    const QList<QPlainTextEdit*> boxes =
        form.findChildren<QPlainTextEdit*>() + reader.findChildren<QPlainTextEdit*>();
    ASSERT_GE(boxes.size(), 8);
    for (QPlainTextEdit* box : boxes) {
        box->setPlainText("kept");
        QTest::keyClick(box, Qt::Key_Tab);
        EXPECT_EQ(box->toPlainText().toStdString(), "kept") << qPrintable(box->objectName());
    }

    reader.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&reader));
    reader.RFID_Memo->setFocus();
    QTest::keyClick(reader.RFID_Memo, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), reader.RFID_Memo);
}

class ThrowingReceiver : public QObject
{
public:
    void Click() { throw std::runtime_error("disk is write-protected"); }
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("escaped an event override");
        return QObject::event(event);
    }
};

TEST_F(StartupTest, ExceptionsInHandlersAreShownAndTheProgramGoesOn)
{
    QPushButton button;
    ThrowingReceiver receiver;
    QObject::connect(&button, &QPushButton::clicked, &receiver, guarded(&receiver, &ThrowingReceiver::Click));
    button.click();
    button.click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "disk is write-protected");
    EXPECT_EQ(dialogs.messages[0].icon, platform::dialogs::Icon::Error);

    QEvent user(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &user));
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[2].text, "escaped an event override");
}

TEST_F(StartupTest, ReopeningTheDatabaseShowsTheFileNowOnDisk)
{
    const auto addContact = [](const QString& path, const QString& lastName) {
        TADOConnection connection;
        connection.ConnectionString = "DRIVER={Microsoft Access Driver (*.mdb)};dbq=" + path;
        connection.Open();
        TADOQuery query;
        query.Connection = &connection;
        query.SQL.Add("insert into address (LastName, Categoryid) values (:l, -1)");
        query.ParamByName("l").Value = lastName;
        query.ExecSQL();
    };
    createDatabase();
    addContact(databasePath(), "Before");
    TMainDesktopForm form;
    const QAbstractItemModel* contacts = form.DesktopFrame->ContactListView->model();
    ASSERT_EQ(contacts->rowCount(), 1);

    // Another file of the same shape takes the place of the open one, as a restore does.
    const QString replacement = programFolder() + "replacement.mdb";
    QFile schema(TESSARY_SCHEMA_FILE);
    ASSERT_TRUE(schema.open(QIODevice::ReadOnly));
    platform::db::createDatabase(replacement, QString::fromUtf8(schema.readAll()));
    addContact(replacement, "After");
    ASSERT_EQ(std::rename(replacement.toLocal8Bit().constData(), databasePath().toLocal8Bit().constData()),
              0);

    form.openDatabase();
    form.DesktopFrame->LoadContactList();
    ASSERT_EQ(contacts->rowCount(), 1);
    EXPECT_EQ(contacts->index(0, 0).data().toString(), "After");
}

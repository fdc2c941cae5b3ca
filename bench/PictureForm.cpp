// picture-form NAME OUT.png: pictures one form of the organiser for the project's visual checks.
// It makes an empty database in a temporary program folder, creates the main window on it (not
// shown), creates the named form as its callers would, shows it and saves what its client area
// shows as a PNG. No modal loop runs, so dialogs can be pictured too. Add a form with one line
// in the table below.
#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "common/SharedTexts.h"
#include "common/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "editors/AddressForm.h"
#include "editors/DeleteGroupForm.h"
#include "editors/GoToForm.h"
#include "editors/GroupForm.h"
#include "editors/MemoForm.h"
#include "editors/NewEventForm.h"
#include "editors/NewExpenseForm.h"
#include "editors/NewGroupForm.h"
#include "mobile/PelloranFrame.h"
#include "mobile/SyncDlg.h"
#include "platform/Application.h"
#include "platform/Database.h"
#include "platform/IniFile.h"
#include "platform/SystemInfo.h"
#include "reader/ReaderForm.h"
#include "reports/PrintForm.h"

#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {

struct FormEntry
{
    const char* name;
    std::function<QWidget*()> create;
};

const FormEntry Forms[] = {
    {"TNewEventForm",
     [] {
         TNewEventForm* form = Application::CreateForm(NewEventForm, *MainDesktopForm->DesktopFrame,
                                                       MainDesktopForm->ADOConnection);
         form->SelectDatePicker->setDate(form->FCurrentDate);
         form->FEditMode = "Append";
         form->setWindowTitle(SharedTexts::load(65051));
         form->EventMemo->setPlainText("Dentist");
         return form;
     }},
    {"TGoToForm", [] { return Application::CreateForm(GoToForm, *MainDesktopForm->DesktopFrame); }},
    {"TNewExpenseForm",
     [] {
         TNewExpenseForm* form = Application::CreateForm(NewExpenseForm, *MainDesktopForm->DesktopFrame,
                                                         MainDesktopForm->ADOConnection);
         form->setWindowTitle("New Expense");
         form->FEditMode = "Append";
         form->ItemMaskEdit->setText("Lunch");
         form->AmountMaskEdit->setText("12.50");
         return form;
     }},
    {"TMemoForm",
     [] {
         TMemoForm* form = Application::CreateForm(MemoForm, *MainDesktopForm->DesktopFrame,
                                                   MainDesktopForm->ADOConnection);
         form->setWindowTitle(SharedTexts::load(65019));
         form->FEditMode = "Append";
         form->EditMemo->setPlainText("Bank: 1234");
         return form;
     }},
    {"TGroupForm",
     [] {
         MainDesktopForm->DesktopFrame->FAddressCategories = {{1, "Friends"}, {2, "Work"}};
         TGroupForm* form = Application::CreateForm(GroupForm, *MainDesktopForm->DesktopFrame,
                                                    MainDesktopForm->ADOConnection);
         form->FGroupKind = "Group";
         return form;
     }},
    {"TNewGroupForm",
     [] {
         TNewGroupForm* form = Application::CreateForm(NewGroupForm);
         form->FGroupKind = "Group";
         form->FGroupAction = "ReName";
         form->setWindowTitle(SharedTexts::load(65092));
         form->GroupActionLabel->setText(SharedTexts::load(65093));
         form->GroupActionLabel->adjustSize();
         form->GroupActionEdit->setText("Friends");
         return form;
     }},
    {"TDeleteGroupForm",
     [] {
         TDeleteGroupForm* form = Application::CreateForm(DeleteGroupForm, *MainDesktopForm->DesktopFrame,
                                                          MainDesktopForm->ADOConnection);
         form->SetGroupKind("Group");
         form->setWindowTitle("Delete'Friends'");
         return form;
     }},
    {"TSyncDlg",
     [] {
         auto* form = new TSyncDlg(MainDesktopForm, "/");
         form->setWindowTitle(SharedTexts::load(65001));
         form->setDirectionIndex(1);
         form->ckbSubDir->setChecked(true);
         return form;
     }},
    // The main window showing the sync view with one profile analysed.
    {"TPelloranFrame",
     [] {
         const QString folder = platform::sys::programFolder();
         for (const char* file : {"pc/a.txt", "pc/b.txt", "pc/sub/c.txt", "disk/a.txt", "disk/d.txt"}) {
             QDir().mkpath(QFileInfo(folder + file).path());
             QFile(folder + file).open(QIODevice::WriteOnly);
         }
         TIniFile ini(folder + "Pelloran.ini");
         ini.WriteString("Syncs", "Work", "Work");
         ini.WriteString("Work", "PC", folder + "pc/");
         ini.WriteString("Work", "USBDISK", folder + "disk/");
         ini.WriteString("Work", "DIRECT", "1");
         ini.WriteString("Work", "SUBDIR", "1");
         TPelloranFrame* view = MainDesktopForm->PelloranFrame1;
         view->LoadProfiles();
         view->lvSyncs->item(0)->setSelected(true);
         view->actAnalyseExecute();
         MainDesktopForm->DesktopFrame->hide();
         view->show();
         MainDesktopForm->resize(1100, 700);
         return static_cast<QWidget*>(MainDesktopForm);
     }},
    {"TAddressForm",
     [] {
         return Application::CreateForm(AddressForm, *MainDesktopForm->DesktopFrame,
                                        MainDesktopForm->ADOConnection);
     }},
    {"TMainDesktopForm.Week",
     [] {
         // A week with an event on each day, at the size the main window gets on the test screen.
         TMainDesktopForm* form = MainDesktopForm;
         TDesktopFrame* frame = form->DesktopFrame;
         const QDate sunday = frame->FCurrentDate.addDays(-(frame->FCurrentDate.dayOfWeek() % 7));
         TADOQuery insert;
         insert.Connection = &form->ADOConnection;
         insert.SQL.Add("insert into journal (jstarttime, jendtime, memo) values (:s, :e, :m)");
         for (int day = 0; day < 7; ++day) {
             insert.ParamByName("s").Value = QDateTime(sunday.addDays(day), QTime(9 + day, 0));
             insert.ParamByName("e").Value = QDateTime(sunday.addDays(day), QTime(10 + day, 30));
             insert.ParamByName("m").Value = QString("Event %1").arg(day + 1);
             insert.ExecSQL();
         }
         form->resize(1680, 1000);
         // Showing the window puts the frame on the Day page; the Week page is chosen after that.
         QTimer::singleShot(0, frame, [frame] {
             frame->ToolPageControl->setActivePageIndex(1);
             frame->ClearWeekEvents();
             frame->BuildWeekView(frame->FCurrentDate);
         });
         return static_cast<QWidget*>(form);
     }},
    {"TDeleteGroupForm.Memo",
     [] {
         TDeleteGroupForm* form = Application::CreateForm(DeleteGroupForm, *MainDesktopForm->DesktopFrame,
                                                          MainDesktopForm->ADOConnection);
         form->SetGroupKind("Memo");
         form->setWindowTitle("Delete'Bank'");
         return form;
     }},
    {"TPrintForm",
     [] {
         TPrintForm* form = Application::CreateForm(PrintForm);
         form->FReportKind = "Date";
         return form;
     }},
    {"TForm1",
     [] {
         TForm1* form = Application::CreateForm(Form1);
         form->Memo1->setPlainText("0108000304FF0000\n8001");
         form->GroupBox1->show();
         return form;
     }},
};

void makeProgramFolder(const QString& folder)
{
    QFile schema(TESSARY_SCHEMA_FILE);
    if (!schema.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " TESSARY_SCHEMA_FILE);
    platform::db::createDatabase(folder + "desktop.mdb", QString::fromUtf8(schema.readAll()));
    platform::sys::setProgramFolder(folder);
}

// Lets the window system show the form and paint it once.
bool waitUntilShown(QWidget* form)
{
    QDeadlineTimer deadline(5000);
    while (!(form->windowHandle() && form->windowHandle()->isExposed())) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QCoreApplication::processEvents();
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: picture-form NAME OUT.png\nforms:");
    for (const FormEntry& entry : Forms)
        std::fprintf(stderr, " %s", entry.name);
    std::fprintf(stderr, "\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return usage();
    const FormEntry* entry = nullptr;
    for (const FormEntry& candidate : Forms)
        if (std::strcmp(candidate.name, argv[1]) == 0)
            entry = &candidate;
    if (!entry)
        return usage();

    TApplication app(argc, argv);
    TApplication::setApplicationName("Tessary 2.0");
    QTemporaryDir programFolder;
    int result = 1;
    try {
        makeProgramFolder(programFolder.path() + "/");
        Application::CreateForm(MainDesktopForm);
        QWidget* form = entry->create();
        form->show();
        if (!waitUntilShown(form))
            throw std::runtime_error("the form did not show");
        const QString out = QString::fromLocal8Bit(argv[2]);
        if (!form->grab().save(out, "PNG"))
            throw std::runtime_error("cannot write " + out.toStdString());
        std::printf("%s: %dx%d -> %s\n", entry->name, form->width(), form->height(), argv[2]);
        result = 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "picture-form: %s\n", error.what());
    }
    Application::releaseForms();
    return result;
}

#include "desktop/DesktopFrame.h"

#include "common/SharedTexts.h"
#include "common/widgets/AlignLayout.h"
#include "common/widgets/TImage.h"
#include "common/widgets/TPageControl.h"
#include "desktop/DesktopStarts.h"
#include "desktop/QuorvaneFrame.h"
#include "desktop/ShellListView.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/ShellFolders.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

namespace {

constexpr int DayPage = 0;
constexpr int WeekPage = 1;
constexpr int AddressPage = 2;
constexpr int PageCount = 7;

void showTabs(TPageControl* pages, int first, int last, bool visible)
{
    for (int i = first; i <= last; ++i)
        pages->setTabVisible(i, visible);
}

// Shows a list's pop-up menu where the user right-clicked.
void attachPopup(QTreeWidget* list, QMenu* menu)
{
    QObject::connect(list, &QWidget::customContextMenuRequested, menu,
                     [list, menu](const QPoint& at) { menu->popup(list->viewport()->mapToGlobal(at)); });
}

// Runs a step that reads the database; a failure is kept for the one message that tells
// what could not be read.
template <class Step> void readOrNote(QStringList& unreadable, const char* what, Step step)
{
    try {
        step();
    } catch (const platform::db::DatabaseError& error) {
        unreadable << QStringLiteral("%1 could not be read. %2").arg(what, QString::fromUtf8(error.what()));
    }
}

} // namespace

TDesktopFrame::TDesktopFrame(TADOConnection& connection, QWidget* parent, HiddenPages hiddenPages)
    : QFrame(parent), m_connection(connection)
{
    createComponents();
    connectEvents();
    if (hiddenPages == HiddenPages::Now)
        buildHiddenPages();
}

void TDesktopFrame::buildHiddenPages()
{
    if (FHiddenPagesBuilt)
        return;
    FHiddenPagesBuilt = true;
    createListPages();
    createDiskPages();
    connectHiddenPageEvents();
    if (!FFrameInitialised)
        return;
    // Built after start-up laid out the window: the new pages take their places now.
    for (QWidget* page : {AddressSheet, MemoSheet, ExpenseSheet, FileSheet, TabSheet5})
        layoutNow(page);
    applyHiddenPageCaptions();
    initHiddenPages();
}

TDesktopFrame::~TDesktopFrame() = default;

DesktopStarts& TDesktopFrame::starts() const
{
    if (!m_starts)
        throw std::runtime_error("The desktop frame is not on the main window.");
    return *m_starts;
}

void TDesktopFrame::connectEvents()
{
    connect(DateSpeedButton, &QToolButton::clicked, this,
            guarded(this, &TDesktopFrame::DateSpeedButtonClick));
    connect(AddressSpeedButton, &QToolButton::clicked, this,
            guarded(this, &TDesktopFrame::AddressSpeedButtonClick));
    connect(EmailSpeedButton, &QToolButton::clicked, this,
            guarded(this, &TDesktopFrame::EmailSpeedButtonClick));
    connect(HotSynSpeedButton, &QToolButton::clicked, this,
            guarded(this, &TDesktopFrame::HotSynSpeedButtonClick));
    connect(QuorvaneFrame1->sbBackup, &QToolButton::clicked, this,
            guarded(this, &TDesktopFrame::QuorvaneFrame1sbBackupClick));
    connect(QuorvaneFrame1->sbEmail, &QToolButton::clicked, this,
            guarded(this, &TDesktopFrame::QuorvaneFrame1sbEmailClick));
    connect(ToolPageControl, &TPageControl::changing, this,
            guarded(this, &TDesktopFrame::ToolPageControlChanging));
    connect(Image1, &TImage::clicked, this, guarded(this, &TDesktopFrame::Image1Click));
    connect(Image1, &TImage::mouseMoved, this, guarded(this, &TDesktopFrame::Image1MouseMove));
    connect(miQuit, &QAction::triggered, this, guarded(this, &TDesktopFrame::miQuitClick));
    connect(miSynchronize, &QAction::triggered, this, guarded(this, &TDesktopFrame::HotSynSpeedButtonClick));
    connect(miRFID, &QAction::triggered, QuorvaneFrame1,
            guarded(QuorvaneFrame1, &TQuorvaneFrame::MP3SpeedButtonClick));
    connectCalendarEvents();
    connectDayViewEvents();
    connectWeekViewEvents();
    connectFrameCommands();
}

void TDesktopFrame::connectHiddenPageEvents()
{
    connect(Import_BitBtn, &QPushButton::clicked, this, guarded(this, &TDesktopFrame::Import_BitBtnClick));
    attachPopup(AddressListView, miAddressList);
    attachPopup(MemoListView, miMemoList);
    attachPopup(ExpenseListView, miExpenseList);
    connectAddressBookEvents();
    connectMemoListEvents();
    connectExpenseListEvents();
    connectCategoryDialogEvents();
    connectDiskPageEvents();
    connectSplitters();
}

void TDesktopFrame::InitFrame()
{
    showTabs(ToolPageControl, DayPage, WeekPage, true);
    showTabs(ToolPageControl, AddressPage, PageCount - 1, false);
    // A part of the file that cannot be read leaves the rest of the frame to be shown.
    QStringList unreadable;
    readOrNote(unreadable, "The calendar's events", [this] { InitCalendar(); });
    // What the hour column's drawing would set, set now: a text changed while the window paints
    // costs a second paint of it.
    showDateTexts();
    ToolPageControl->setActivePageIndex(DayPage);
    ApplyCaptions();
    readOrNote(unreadable, "The contact list", [this] { LoadContactList(); });
    FFrameInitialised = true;
    if (FHiddenPagesBuilt)
        initHiddenPages();
    // Start-up runs this twice: the same failure on the same file is told once.
    const std::pair told(connection().opening(), unreadable.join("\n\n"));
    if (!unreadable.isEmpty() && told != FUnreadableTold) {
        FUnreadableTold = told;
        platform::dialogs::messageBox(this, told.second, QApplication::applicationName(),
                                      platform::dialogs::Icon::Warning);
    }
}

void TDesktopFrame::initHiddenPages()
{
    SetupAddressColumns();
    ShellListView1->setRoot(platform::shell::specialFolderPath(platform::shell::CSIDL_PERSONAL, false));
    ProcessListView->setColumnWidth(0, 700);
    ProcessListView->viewport()->update();
}

void TDesktopFrame::ApplyCaptions()
{
    const auto text = [](int id) { return SharedTexts::load(id); };
    miFile->setTitle(text(65074));
    miImportAddress->setText(text(65075));
    miPrint->setText(text(65076));
    miQuit->setText(text(65077));
    miHelp->setTitle(text(65078));
    miTessaryHelp->setText(text(65079));
    miTessary->setText(text(65080));
    miAmbrelHomepage->setText(text(65081));
    ToolPageControl->setTabCaption(DayPage, text(65041));
    ToolPageControl->setTabCaption(WeekPage, text(65042));
    ToolPageControl->setTabCaption(AddressPage, text(65043));
    GoToButton->setText(text(65044));
    ToDayButton->setText(text(65045));
    NewEventButton->setText(text(65046));
    EditEventButton->setText(text(65047));
    miNewEvent->setText(text(65048));
    miEditEvent->setText(text(65049));
    miDeleteEvent->setText(text(65050));
    if (FHiddenPagesBuilt)
        applyHiddenPageCaptions();
}

void TDesktopFrame::applyHiddenPageCaptions()
{
    const auto text = [](int id) { return SharedTexts::load(id); };
    LeCategory->setText(text(65082));
    EditGroup->setText(text(65083));
    NewAddressButton->setText(text(65084));
    EditAddressButton->setText(text(65085));
    miNewAddress->setText(text(65086));
    miEditAddress->setText(text(65087));
    miDeleteAddress->setText(text(65056));
    miSelectAll->setText(text(65057));
    miChangeCategory->setTitle(text(65058));
    LeMemoCategory->setText(text(65038));
    btmemoCategory->setText(text(65039));
    MemoListView->headerItem()->setText(0, text(65008));
    MemoListView->headerItem()->setText(1, text(65009));
    NewMemoButton->setText(text(65010));
    EditMemoButton->setText(text(65011));
    LeExpense->setText(text(65012));
    ExpenseListView->headerItem()->setText(0, text(65013));
    ExpenseListView->headerItem()->setText(1, text(65014));
    ExpenseListView->headerItem()->setText(2, text(65015));
    NewExpenseButton->setText(text(65016));
    EditExpenseButton->setText(text(65017));
    TotalLabel->setText(text(65018));
}

void TDesktopFrame::SetupAddressColumns()
{
    if (AddressListView->columnCount() >= 14)
        return;
    const int captionIds[14] = {65059, 65060, 65061, 65062, 65063, 65064, 65065,
                                65066, 65067, 65068, 65069, 65070, 65071, 65040};
    QStringList captions;
    for (int id : captionIds)
        captions << SharedTexts::load(id);
    AddressListView->setColumnCount(14);
    AddressListView->setHeaderLabels(captions);
    for (int column = 0; column < 14; ++column)
        AddressListView->setColumnWidth(column, column == 2 ? 200 : 100);
}

void TDesktopFrame::DateSpeedButtonClick()
{
    ToolPageControl->setActivePageIndex(DayPage);
    showTabs(ToolPageControl, DayPage, WeekPage, true);
    ToolPageControl->setTabVisible(AddressPage, false);
}

void TDesktopFrame::AddressSpeedButtonClick()
{
    showTabs(ToolPageControl, DayPage, WeekPage, false);
    ToolPageControl->setTabVisible(AddressPage, true);
    LoadAddressCategories(0);
    LoadAddressList(-1);
}

void TDesktopFrame::HotSynSpeedButtonClick()
{
    showTabs(ToolPageControl, DayPage, AddressPage, false);
    starts().syncView();
    hide();
}

void TDesktopFrame::EmailSpeedButtonClick()
{
    // There is no e-mail view; the button lies under the tool panel, out of the user's reach.
    hide();
}

void TDesktopFrame::ToolPageControlChanging(bool*)
{
    const int leaving = ToolPageControl->ActivePageIndex();
    if (leaving != DayPage) {
        FSelRow = 0;
        FSelCol = 0;
        LocateCurrentCell();
        ClearDayEvents();
        BuildDayView(FCurrentDate);
    }
    if (leaving != WeekPage) {
        ClearWeekEvents();
        BuildWeekView(FCurrentDate);
    }
}

void TDesktopFrame::miQuitClick()
{
    starts().closeMainWindow();
}

void TDesktopFrame::Image1Click()
{
    platform::dialogs::shellExecute("open", "IEXPLORE.EXE", "http://www.ambrel.example/");
}

void TDesktopFrame::Image1MouseMove()
{
    if (Image1->cursor().shape() != Qt::PointingHandCursor)
        Image1->setCursor(Qt::PointingHandCursor);
}

// Importing addresses is offered in the menu but not supported.
void TDesktopFrame::Import_BitBtnClick() {}

void TDesktopFrame::QuorvaneFrame1sbBackupClick()
{
    QuorvaneFrame1->sbBackupClick();
}

void TDesktopFrame::QuorvaneFrame1sbEmailClick()
{
    QuorvaneFrame1->sbEmailClick();
}

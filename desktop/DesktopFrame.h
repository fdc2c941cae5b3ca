#pragma once

// The organiser's main view: the calendar, the lists and the disk pages on one page
// control, with the tool panel at the left. The frame's behaviour is split by concern:
// DesktopFrame.cpp (set-up, captions, page switching, frame commands), DesktopFrameCalendar.cpp
// (the month grid), DesktopFrameDayView.cpp and DesktopFrameWeekView.cpp (the two calendar
// views), DesktopFrameBackup.cpp, DesktopFrameRestore.cpp and DesktopFrameDiskPages.cpp (the
// Backup and Restore pages); the layout lives in the DesktopFrame*Layout.cpp files.

#include "desktop/Categories.h"
#include "desktop/EventRec.h"
#include "platform/Database.h"

#include <QDate>
#include <QFrame>
#include <array>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QToolButton;
class QTreeView;
class QTreeWidget;
class DesktopStarts;
class TContactRows;
class TDrawGrid;
class TEventMemo;
class TImage;
class TPageControl;
class TQuorvaneFrame;
// the list and disk pages
class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QTabWidget;
class TShape;
class TShellListView;

class TDesktopFrame : public QFrame
{
    Q_OBJECT
public:
    // Start-up leaves the hidden list and disk pages to be built after the first frame; every
    // other maker of the frame gets them at once.
    enum class HiddenPages { Now, Later };
    // The frame reads and writes through `connection`, the main window's one connection.
    TDesktopFrame(TADOConnection& connection, QWidget* parent, HiddenPages hiddenPages = HiddenPages::Now);
    ~TDesktopFrame() override;
    // Builds the list and disk pages, wired and set up as InitFrame leaves them, unless they
    // are built already. Until then their components are null.
    void buildHiddenPages();

    TADOConnection& connection() const { return m_connection; }
    // What the frame and its tool panel start in the folders above; the main window sets it
    // before the frame is used. Reaching it unset raises.
    void setStarts(DesktopStarts* starts) { m_starts = starts; }
    DesktopStarts& starts() const;

    // ===== Frame set-up, pages and frame commands =====
    // Brings the frame to its starting state; safe to run again.
    void InitFrame();
    void ApplyCaptions();
    void DateSpeedButtonClick();
    void AddressSpeedButtonClick();
    void HotSynSpeedButtonClick();
    void EmailSpeedButtonClick();
    // Runs before a tab click changes the page, with the page being left still active.
    void ToolPageControlChanging(bool* allowChange);
    void miQuitClick();
    void Image1Click();
    void Image1MouseMove();
    void Import_BitBtnClick();
    void QuorvaneFrame1sbBackupClick();
    void QuorvaneFrame1sbEmailClick();
    // List loaders and the contact list; filled in with the address, Password and expense lists.
    void SetupAddressColumns();
    void LoadContactList();
    void LoadAddressCategories(int filterPosition);
    void LoadMemoCategories(int filterPosition);
    void LoadAddressList(int categoryId);
    void LoadMemoList(int categoryId);
    void LoadExpenseList(int sortIndex);
    // Backup and Restore page commands; the main window forwards its buttons here.
    void Backup_BtnClick();
    void Analyse_BnClick();
    void Restore_ButtonClick();
    // Fills the Restore page's list of backups.
    void ListBackups();

    // Top banner, tool column, status bar, pages
    QFrame* TopPanel;
    TImage* Image1;
    QFrame* ToolPanel;
    QToolButton* DateSpeedButton;
    QToolButton* AddressSpeedButton;
    QToolButton* EmailSpeedButton;
    QToolButton* HotSynSpeedButton;
    QToolButton* MP3SpeedButton;
    TQuorvaneFrame* QuorvaneFrame1;
    QFrame* Splitter1;
    QStatusBar* StatusBar1;
    QFrame* ClientPanel;
    TPageControl* ToolPageControl;
    QWidget* DaySheet;
    QWidget* WeekSheet;
    QWidget* AddressSheet;
    QWidget* MemoSheet;
    QWidget* ExpenseSheet;
    QWidget* FileSheet;
    QWidget* TabSheet5;
    // The frame's menu; the main window shows it as its menu bar while this frame is visible.
    QMenuBar* MainMenu1;
    QMenu* miFile;
    QAction* miImportAddress;
    QAction* miPrint;
    QAction* miSynchronize;
    QAction* miRFID;
    QAction* miQuit;
    QMenu* miHelp;
    QAction* miTessaryHelp;
    QAction* miTessary;
    QAction* miAmbrelHomepage;
    // Queries, all on connection()
    TADOQuery EventQuery;
    TADOQuery AddressQuery;
    TADOQuery CategoryQuery;
    TADOQuery miDeleteAddressQuery;
    // (frame set-up: further page components are declared below this line)
    // The list and disk pages, null until buildHiddenPages.
    // Address page
    QFrame* AddressTitlePanel = nullptr;
    QLabel* LeCategory = nullptr;
    QComboBox* ComboAddress = nullptr;
    QPushButton* EditGroup = nullptr;
    QTreeWidget* AddressListView = nullptr;
    QFrame* AddressSplitter = nullptr;
    QFrame* AddressMemoPanel = nullptr;
    QLabel* AddressNameLabel = nullptr;
    QComboBox* AddressCategoryComboBox = nullptr;
    QPlainTextEdit* AddressMemo = nullptr;
    QFrame* AddressButtonPanel = nullptr;
    QPushButton* NewAddressButton = nullptr;
    QPushButton* EditAddressButton = nullptr;
    QPushButton* Import_BitBtn = nullptr;
    QMenu* miAddressList = nullptr;
    QAction* miNewAddress = nullptr;
    QAction* miEditAddress = nullptr;
    QAction* miDeleteAddress = nullptr;
    QAction* miSelectAll = nullptr;
    QMenu* miChangeCategory = nullptr;
    // Password page
    QFrame* MemoTitlePanel = nullptr;
    QLabel* LeMemoCategory = nullptr;
    QComboBox* ComboMemo = nullptr;
    QPushButton* btmemoCategory = nullptr;
    QTreeWidget* MemoListView = nullptr;
    QFrame* Splitter2 = nullptr;
    QFrame* Panel12 = nullptr;
    QLabel* ToDoLabel = nullptr;
    QComboBox* ToDoMemoComboBox = nullptr;
    QPlainTextEdit* ToDoMemo = nullptr;
    QFrame* MemoButtonPanel = nullptr;
    QPushButton* NewMemoButton = nullptr;
    QPushButton* EditMemoButton = nullptr;
    QMenu* miMemoList = nullptr;
    QAction* miNewMemo = nullptr;
    QAction* miEditMemo = nullptr;
    QAction* miDeleteMemo = nullptr;
    QAction* miMemoSelectAll = nullptr;
    QMenu* miMemoChangeCategory = nullptr;
    // Expense page
    QFrame* ExpenseTitlePanel = nullptr;
    QLabel* LeExpense = nullptr;
    QComboBox* ExpenseComboBox = nullptr;
    QTreeWidget* ExpenseListView = nullptr;
    QFrame* Splitter3 = nullptr;
    QFrame* ExpenseButtonPanel = nullptr;
    QLabel* TotalLabel = nullptr;
    QPushButton* NewExpenseButton = nullptr;
    QPushButton* EditExpenseButton = nullptr;
    QMenu* miExpenseList = nullptr;
    QAction* miNewExpense = nullptr;
    QAction* miEditExpense = nullptr;
    QAction* miDeleteExpense = nullptr;
    QAction* miExpenseSelectAll = nullptr;
    // Backup page (BackupPanel, BackupImage and its buttons are declared further down)
    QFrame* TopBackupPanel = nullptr;
    QLabel* Label9 = nullptr;
    QFrame* pnlProfiles = nullptr;
    TShape* Shape2 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* FileLabel = nullptr;
    QFrame* Panel21 = nullptr;
    QListWidget* lvSyncs = nullptr;
    QFrame* Panel20 = nullptr;
    QFrame* Panel24 = nullptr;
    QProgressBar* FileProgressBar = nullptr;
    QLabel* Backup_Label = nullptr;
    QTabWidget* PageControl1 = nullptr;
    TShellListView* ShellListView1 = nullptr;
    QTreeWidget* ProcessListView = nullptr;
    QPlainTextEdit* ActionMemo = nullptr;
    QFrame* Panel2 = nullptr;
    QPushButton* CancelButton_Btn = nullptr;
    // Restore page (Panel29, RestoreImage and Restore_Button are declared further down)
    QFrame* Panel27 = nullptr;
    QLabel* Label10 = nullptr;
    QFrame* Panel28 = nullptr;
    TShape* Shape5 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QListWidget* RestoreListView = nullptr;
    QFrame* Panel30 = nullptr;
    QFrame* Panel33 = nullptr;
    QProgressBar* RestoreFileProgressBar = nullptr;
    QTabWidget* PageControl2 = nullptr;
    TShellListView* RestoreShellListView = nullptr;
    QTreeWidget* RestoreProcessListView = nullptr;
    QPlainTextEdit* RestoreMemo = nullptr;
    QFrame* Panel32 = nullptr;
    QPushButton* Restore_Analyse_Btn = nullptr;
    QPushButton* Restore_CancelBtn = nullptr;
    TShellListView* DirListView = nullptr;
    // Backup and Restore pages
    QFrame* BackupPanel = nullptr;
    TImage* BackupImage = nullptr;
    QPushButton* Analyse_Bn = nullptr;
    QPushButton* Backup_Btn = nullptr;
    QFrame* Panel29 = nullptr;
    TImage* RestoreImage = nullptr;
    QPushButton* Restore_Button = nullptr;
    // Day page's right column: the contact list
    QFrame* LeftPanel;
    QLabel* ContactTitlePanel;
    QTreeView* ContactListView;
    // The contact list's rows.
    TContactRows* FContactRows;

    // ===== Month mini-calendar =====
    QDate FCurrentDate;
    QDate FFirstCellDate;
    int FSelRow = 0;
    int FSelCol = 0;
    std::array<QDate, 42> FCellDates;
    void BuildMonthCells();
    void LocateCurrentCell();
    void ToDayButtonClick();
    void GoToButtonClick();
    QFrame* CalPanel;
    // (calendar: further members are declared below this line)
    // Month and year buttons from FCurrentDate.
    void SetCalendarCaptions();
    // Captions and a repaint of the month grid; call after changing the selection.
    void RepaintCalendar();
    void CalStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect);
    void CalStringGridSelectCell(int ACol, int ARow, bool* CanSelect);
    void CalStringGridMouseUp();
    // The arrows act on mouse-down although their handlers keep their mouse-up names.
    void CalLeftSpeedButtonMouseUp();
    void CalRightSpeedButtonMouseUp();
    void CalMonthSpeedButtonMouseUp();
    void CalYearSpeedButtonMouseUp();
    void MonthPopupClick(QObject* Sender);
    void YearPopupClick(QObject* Sender);
    // The strip, buttons, grid and popups (common/MonthCalendar.h); the members below point into it.
    class TMonthCalendar* MonthCalendar;
    QFrame* CalShape;
    QToolButton* CalLeftSpeedButton;
    QToolButton* CalMonthSpeedButton;
    QToolButton* CalYearSpeedButton;
    QToolButton* CalRightSpeedButton;
    class TMonthCalendarGrid* CalStringGrid;
    QMenu* CalMonthPopup;
    QMenu* CalYearPopup;

    // ===== Day view =====
    void InitCalendar();
    int LoadDayEvents(std::vector<TEventRec>& records, const QDate& date);
    void LayoutOverlaps(int count, std::vector<TEventRec>& records);
    void BuildDayView(const QDate& date);
    void ClearDayEvents();
    void ClearEventTree();
    void DeleteSelectedEvent();
    void NewEventButtonClick();
    void EditEventButtonClick();
    void miEditEventClick();
    void miDeleteEventClick();
    std::vector<TEventRec> FDayEvents;
    // The date and database state the shown day view was built from, while it stands.
    std::optional<std::pair<QDate, std::pair<qint64, qint64>>> FDayViewSource;
    std::vector<TEventMemo*> FDayMemos;
    std::vector<QFrame*> FHourPanels;
    QFrame* Panel1;
    QPushButton* GoToButton;
    QPushButton* ToDayButton;
    QFrame* DateTitlePanel;
    QLabel* DateLabel;
    QScrollArea* EventScrollBox;
    QWidget* EventScrollContent;
    TDrawGrid* DateStringGrid;
    QFrame* EventPanel;
    QPushButton* NewEventButton;
    QPushButton* EditEventButton;
    QMenu* mifunction;
    QAction* miNewEvent;
    QAction* miDeleteEvent;
    QAction* miEditEvent;
    // (day view: further members are declared below this line)
    void DateStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect);
    // The slot panels' handlers; Sender is the panel.
    void EventCreateDbClick(QWidget* Sender);
    void EventDragOver(QWidget* Sender, QObject* Source, bool* Accept);
    void EventDragDrop(QWidget* Sender, QObject* Source);
    // The day memos' handlers.
    void EventButtonMouseUp(TEventMemo* Sender);
    void EventButtonDbClick(TEventMemo* Sender);
    void miEventKeyUp(TEventMemo* Sender, int* Key);
    // The overlap forest of the events being laid out; it never shows and is emptied per day.
    TEventForest EventTreeView;
    class TRectShape* ColorShape;

    // ===== Week view =====
    void BuildWeekView(const QDate& date);
    void ClearWeekEvents();
    void NextSpeedButtonClick();
    void PriorSpeedButtonClick();
    std::array<std::vector<TEventRec>, 7> FWeekEvents;
    std::array<std::vector<TEventMemo*>, 7> FWeekMemos;
    // (week view: further members are declared below this line)
    void WeekDateStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect);
    void WeekTimeStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect);
    void WeekDateStringGridSelectCell(int ACol, int ARow, bool* CanSelect);
    void WeekEventButtonDbClick(TEventMemo* Sender);
    QFrame* Panel7;
    QToolButton* PriorSpeedButton;
    QLabel* WeekSelectPanel;
    QToolButton* NextSpeedButton;
    QLabel* WeekLabel;
    TDrawGrid* WeekDateStringGrid;
    QFrame* WeekClientPanel;
    QScrollArea* WeekScrollBox;
    QWidget* WeekScrollContent;
    TDrawGrid* WeekTimeStringGrid;
    // The week grid's background cells, painted in creation order by one widget under the memos.
    class TShapeCanvas* FWeekShapes;

    // ===== Contact list and frame commands =====
    void ClearContactList();
    // The database's change stamp when the contact list was last loaded.
    std::pair<qint64, qint64> FContactStamp{-1, -1};
    // Jumps to the chosen contact's entry in the address book.
    void ContactListViewDblClick();
    void ToolPanelResize();
    // Decides for the splitters of all three list pages, by the address page's detail pane.
    void AddressSplitterCanResize(QObject* Sender, int* NewSize, bool* Accept);
    void miTessaryHelpClick();
    void HelpToolButtonClick();
    // The news page; no control of the layout invokes it.
    void NewsToolButtonClick();
    void miAmbrelHomepageClick();
    void miPrintClick();

    // ===== Address book and categories =====
    void ClearAddressList();
    void AddressListViewSelectItem();
    // Remembers the column and sorts by it, ascending at every click.
    void AddressListViewColumnClick(int column);
    void NewAddressButtonClick();
    // Opens the address editor on the topmost selected entry.
    void AddressListViewDblClick();
    void miDeleteAddressClick();
    void AddressListViewKeyUp(int key);
    void miSelectAllClick();
    void ClearAddressCategories();
    void ClearMemoCategories();
    void ComboAddressChange();
    void ComboMemoChange();
    // Sender is the clicked submenu item; its data is the category id it moves the rows to.
    void miChangeCategoryClick(QObject* Sender);
    void miChangeMemoCategoryClick(QObject* Sender);
    // Entry k of a cache stands at position k+1 of the combos that list it.
    TCategoryList FAddressCategories;
    TCategoryList FMemoCategories;
    std::vector<QAction*> FAddressCategoryMenuItems;
    std::vector<QAction*> FMemoCategoryMenuItems;
    int FAddressSortColumn = 0;
    // The category each list was last loaded for; the combos may show another one.
    int FAddressListCategory = categories::NoCategory;
    int FMemoListCategory = categories::NoCategory;

    // ===== Password list =====
    void ClearMemoList();
    // The position line, text and category of the topmost selected entry.
    void MemoListViewSelectItem();
    // Remembers the column and sorts by it, ascending at every click.
    void MemoListViewColumnClick(int column);
    // A new entry: modal from the button, modeless from the menu.
    void NewMemoButtonClick();
    void miNewMemoClick();
    // Opens the Password editor on the topmost selected entry.
    void MemoListViewDblClick();
    void miDeleteMemoClick();
    void MemoListViewKeyUp(int key);
    void miMemoSelectAllClick();
    int FMemoSortColumn = 0;

    // ===== Expense list =====
    void ClearExpenseList();
    void ExpenseComboBoxChange();
    void ExpenseListViewSelectItem();
    // Remembers the column and sorts by it, ascending at every click.
    void ExpenseListViewColumnClick(int column);
    // A new expense: modal on the calendar's day from the button, modeless from the menu.
    void NewExpenseButtonClick();
    void miNewExpenseClick();
    // Opens the expense editor on the topmost selected expense.
    void ExpenseListViewDblClick();
    void miDeleteExpenseClick();
    void ExpenseListViewKeyUp(int key);
    void miExpenseSelectAllClick();
    int FExpenseSortColumn = 0;
    // The sum of the amounts of the rows shown, in ten-thousandths; the total line shows it.
    qint64 FExpenseTotal = 0;

    // ===== Backup and Restore pages =====
    void lvSyncsSelectItem();
    void lvSyncsDblClick();
    void CancelButton_BtnClick();
    void RestoreListViewSelectItem();
    void RestoreListViewDblClick();
    void Restore_Analyse_BtnClick();
    void Restore_CancelBtnClick();
    // Adds a row for every file below Dir to List, one progress step each; folders that
    // cannot be read are named in Log.
    void GETFILE_A(QString Dir, QTreeWidget* List, QProgressBar* Progress, QPlainTextEdit* Log);
    // Sets the relative names of the rows from StartIndex on; returns the row count.
    int FilterDirList(const QString& Prefix, int StartIndex, QTreeWidget* List);
    // The prefix a standard folder's files are made relative to: its parent folder, so the
    // relative names begin with the folder's own name, whatever the system calls it.
    static void ProfilePrefix(const QString& Path, QString& Prefix);
    static QString GetSpecialFolderPath(int CSIDL);
    // The chosen folder, or empty when cancelled; Flags 1 (folders only) is all there is here.
    static QString SelectFolder(const QString& Title, unsigned Flags);
    static void CenterBrowseDialog(QWidget* Picker);
    // While a backup or restore copies, the main window closes only once it has ended.
    bool copyRunning() const { return FCopyRun != nullptr; }
    // The backup folder of the last analysis (no trailing "/").
    QString FBackupFolder;

signals:
    void copyRunFinished();

public:
    // ===== Category dialogs =====
    // The Category buttons open the category list dialog of their page's kind.
    void EditGroupClick();
    void btmemoCategoryClick();

private:
    // frame set-up
    void createMenus();
    void createComponents();
    void connectEvents();
    void createDayPage();
    void createWeekPage();
    void createCalendarPanel();
    void createListPages();
    void createDiskPages();
    void connectHiddenPageEvents();
    void connectSplitters();
    // InitFrame's steps on the list and disk pages, but for their captions.
    void initHiddenPages();
    void applyHiddenPageCaptions();
    bool FHiddenPagesBuilt = false;
    bool FFrameInitialised = false;
    // What start-up last said could not be read, and in which open of the file.
    std::pair<qint64, QString> FUnreadableTold;
    void connectCalendarEvents();
    void connectDayViewEvents();
    void connectWeekViewEvents();
    // day and week views
    void openSlotEditor(QWidget* slot, const QString* contactName);
    int highlightedDayEvent() const;
    void createSlotPanels();
    void createWeekCells();
    void sizeCalendarGrids();
    // Gives the header, the cells and the events of the week one set of column edges, from
    // the header's width as it is now.
    void layoutWeekColumns();
    // The left edge of a day's column (0 = Sunday) in the week's content.
    int weekDayLeft(int day) const;
    // The calendar's month and year captions and the date label for FCurrentDate.
    void showDateTexts();
    // calendar
    // After FCurrentDate changed: both grids repainted and the day view rebuilt.
    void refreshAfterDateChange();
    void shiftCurrentDate(int months);
    // contact list and frame commands
    void connectFrameCommands();
    void prepareContactList();
    // address book and categories
    void connectAddressBookEvents();
    // Password list
    void connectMemoListEvents();
    // expense list
    void connectExpenseListEvents();
    void showExpenseTotal();
    // category dialogs
    void connectCategoryDialogEvents();
    // Backup and Restore pages
    void connectDiskPageEvents();
    QString newBackupFolderName() const;
    // Set while a backup or restore copies: the pages' buttons as they are to be once it ends.
    struct CopyRunState* FCopyRun = nullptr;
    friend class CopyRunGuard;

    TADOConnection& m_connection;
    DesktopStarts* m_starts = nullptr;
};

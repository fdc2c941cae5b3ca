#pragma once

// The organiser's main view: the calendar, the lists and the disk pages on one page
// control, with the tool panel at the left. The frame's behaviour is split by concern:
// DesktopFrame.cpp (set-up, captions, page switching, frame commands), DesktopFrameCalendar.cpp
// (the month grid), DesktopFrameDayView.cpp and DesktopFrameWeekView.cpp (the two calendar
// views); the layout lives in the DesktopFrame*Layout.cpp files.

#include "desktop/EventRec.h"
#include "platform/Database.h"

#include <QDate>
#include <QFrame>
#include <array>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QToolButton;
class QTreeWidget;
class TDrawGrid;
class TEventMemo;
class TImage;
class TPageControl;
class TQuorvaneFrame;

class TDesktopFrame : public QFrame
{
    Q_OBJECT
public:
    explicit TDesktopFrame(QWidget* parent);
    ~TDesktopFrame() override;

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
    QAction* miQuit;
    QMenu* miHelp;
    QAction* miTessaryHelp;
    QAction* miTessary;
    QAction* miAmbrelHomepage;
    // Queries, all on the main window's connection
    TADOQuery EventQuery;
    TADOQuery AddressQuery;
    TADOQuery CategoryQuery;
    TADOQuery miDeleteAddressQuery;
    // (frame set-up: further page components are declared below this line)
    // Backup and Restore pages
    QFrame* BackupPanel;
    TImage* BackupImage;
    QPushButton* Analyse_Bn;
    QPushButton* Backup_Btn;
    QFrame* Panel29;
    TImage* RestoreImage;
    QPushButton* Restore_Button;
    // Day page's right column: the contact list
    QFrame* LeftPanel;
    QLabel* ContactTitlePanel;
    QTreeWidget* ContactListView;

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

    // ===== Week view =====
    void BuildWeekView(const QDate& date);
    void ClearWeekEvents();
    void NextSpeedButtonClick();
    void PriorSpeedButtonClick();
    std::array<std::vector<TEventRec>, 7> FWeekEvents;
    std::array<std::vector<TEventMemo*>, 7> FWeekMemos;
    // (week view: further members are declared below this line)

private:
    void createComponents();
    void connectEvents();
    void createDayPage();
    void createWeekPage();
    void createCalendarPanel();
    void createListPages();
    void createDiskPages();
    void connectCalendarEvents();
    void connectDayViewEvents();
    void connectWeekViewEvents();
};

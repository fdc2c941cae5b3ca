#pragma once

// The organiser's main view: the calendar, the lists and the disk pages on one page
// control, with the tool panel at the left.

#include <QFrame>

class QLabel;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QToolButton;
class QTreeWidget;
class TDrawGrid;
class TImage;
class TPageControl;
class TQuorvaneFrame;

class TDesktopFrame : public QFrame
{
    Q_OBJECT
public:
    explicit TDesktopFrame(QWidget* parent);

    // Brings the frame to its starting state; safe to run again.
    void InitFrame();

    // Backup and Restore page commands; the main window forwards its buttons here.
    void Backup_BtnClick();
    void Analyse_BnClick();
    void Restore_ButtonClick();

    // Top banner
    QFrame* TopPanel;
    TImage* Image1;
    // Left tool column; the embedded tool panel covers the frame's own buttons.
    QFrame* ToolPanel;
    QToolButton* DateSpeedButton;
    QToolButton* AddressSpeedButton;
    QToolButton* EmailSpeedButton;
    QToolButton* HotSynSpeedButton;
    QToolButton* MP3SpeedButton;
    TQuorvaneFrame* QuorvaneFrame1;
    QStatusBar* StatusBar1;
    QFrame* ClientPanel;
    TPageControl* ToolPageControl;
    // Pages, by index 0..6
    QWidget* DaySheet;
    QWidget* WeekSheet;
    QWidget* AddressSheet;
    QWidget* MemoSheet;
    QWidget* ExpenseSheet;
    QWidget* FileSheet;
    QWidget* TabSheet5;
    // Day page
    QFrame* LeftPanel;
    QFrame* CalPanel;
    QLabel* ContactTitlePanel;
    QTreeWidget* ContactListView;
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
    // Backup and Restore pages
    QFrame* BackupPanel;
    TImage* BackupImage;
    QPushButton* Analyse_Bn;
    QPushButton* Backup_Btn;
    QPushButton* Restore_Button;
    QFrame* Panel29;
    TImage* RestoreImage;

private:
    void createComponents();
    void createDayPage();
    void createDiskPages();
};

// Form description of the desktop frame.
#include "app/widgets/AlignLayout.h"
#include "app/widgets/TDrawGrid.h"
#include "app/widgets/TImage.h"
#include "app/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DesktopFrameLayoutHelpers.h"
#include "mobile/QuorvaneFrame.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>

using namespace layout;

void TDesktopFrame::createComponents()
{
    setObjectName("DesktopFrame");
    resize(1680, 987);

    TopPanel = panel(this, "TopPanel", width(), 62);
    fill(TopPanel, Qt::white);
    Image1 = make<TImage>(TopPanel, "Image1");
    Image1->setGeometry(0, 0, 421, 61);
    Image1->setMouseTracking(true);

    ToolPanel = panel(this, "ToolPanel", 100, 898);
    fill(ToolPanel, QColor(0, 72, 125));
    struct Speed
    {
        QToolButton** member;
        const char* name;
        const char* caption;
        int top;
    };
    const Speed speeds[] = {{&DateSpeedButton, "DateSpeedButton", "Schedule", 0},
                            {&AddressSpeedButton, "AddressSpeedButton", "Address Book", 70},
                            {&EmailSpeedButton, "EmailSpeedButton", "Email", 140},
                            {&HotSynSpeedButton, "HotSynSpeedButton", "Synchronize", 210},
                            {&MP3SpeedButton, "MP3SpeedButton", "MP3 Player", 282}};
    for (const Speed& s : speeds) {
        auto* button = make<QToolButton>(ToolPanel, s.name);
        button->setText(s.caption);
        button->setGeometry(0, s.top, 90, 70);
        button->setAutoRaise(true);
        button->setCheckable(true);
        QPalette buttonPalette = button->palette();
        buttonPalette.setColor(QPalette::ButtonText, Qt::white);
        button->setPalette(buttonPalette);
        *s.member = button;
    }
    HotSynSpeedButton->setToolTip("Syncronize");
    MP3SpeedButton->hide();
    QuorvaneFrame1 = new TQuorvaneFrame(TQuorvaneFrame::Copy::Desktop, ToolPanel);
    alignChildren(ToolPanel, {{QuorvaneFrame1, Align::Client}});

    StatusBar1 = make<QStatusBar>(this, "StatusBar1");
    StatusBar1->resize(width(), 19);

    ClientPanel = panel(this, "ClientPanel", 1580, 906);
    ClientPanel->setFrameShape(QFrame::Box);
    ToolPageControl = make<TPageControl>(ClientPanel, "ToolPageControl");
    QFont pageFont("MS Sans Serif");
    pageFont.setPixelSize(13);
    ToolPageControl->setFont(pageFont);
    alignChildren(ClientPanel, {{ToolPageControl, Align::Client}});

    struct Page
    {
        QWidget** member;
        const char* name;
        const char* caption;
    };
    const Page pages[] = {{&DaySheet, "DaySheet", "Day"},          {&WeekSheet, "WeekSheet", "Week"},
                          {&AddressSheet, "AddressSheet", "List"}, {&MemoSheet, "MemoSheet", "List"},
                          {&ExpenseSheet, "ExpenseSheet", "List"}, {&FileSheet, "FileSheet", "Backup"},
                          {&TabSheet5, "TabSheet5", "Restore"}};
    for (const Page& p : pages) {
        *p.member = make<QWidget>(nullptr, p.name);
        ToolPageControl->addPage(*p.member, p.caption);
    }
    createDayPage();
    createCalendarPanel();
    createWeekPage();
    createListPages();
    createDiskPages();

    alignChildren(this, {{TopPanel, Align::Top},
                         {StatusBar1, Align::Bottom},
                         {ToolPanel, Align::Left},
                         {ClientPanel, Align::Client}});
}

void TDesktopFrame::createListPages() {}

void TDesktopFrame::createDiskPages()
{
    BackupPanel = panel(FileSheet, "BackupPanel", 1300, 139);
    fill(BackupPanel, Qt::white);
    BackupImage = make<TImage>(BackupPanel, "BackupImage");
    BackupImage->setTransparent(true);
    BackupImage->setCentered(true);
    BackupImage->setGeometry(0, 0, 800, 139);
    auto* backupButtons = panel(FileSheet, "Panel2", 1300, 30);
    Analyse_Bn = make<QPushButton>(backupButtons, "Analyse_Bn");
    Analyse_Bn->setText("Analyse");
    Analyse_Bn->setGeometry(2, 2, 145, 25);
    Backup_Btn = make<QPushButton>(backupButtons, "Backup_Btn");
    Backup_Btn->setText("Backup");
    Backup_Btn->setGeometry(154, 2, 145, 25);
    Backup_Btn->setEnabled(false);
    alignChildren(FileSheet, {{BackupPanel, Align::Top}, {backupButtons, Align::Bottom}});

    Panel29 = panel(TabSheet5, "Panel29", 1300, 139);
    fill(Panel29, Qt::white);
    RestoreImage = make<TImage>(Panel29, "RestoreImage");
    RestoreImage->setTransparent(true);
    RestoreImage->setCentered(true);
    RestoreImage->setGeometry(0, 0, 800, 139);
    auto* restoreButtons = panel(TabSheet5, "Panel32", 1300, 30);
    Restore_Button = make<QPushButton>(restoreButtons, "Restore_Button");
    Restore_Button->setText("Restore");
    Restore_Button->setGeometry(152, 2, 145, 25);
    Restore_Button->setEnabled(false);
    alignChildren(TabSheet5, {{Panel29, Align::Top}, {restoreButtons, Align::Bottom}});
}

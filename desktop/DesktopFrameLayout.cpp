// Form description of the desktop frame.
#include "app/widgets/AlignLayout.h"
#include "app/widgets/TDrawGrid.h"
#include "app/widgets/TImage.h"
#include "app/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "mobile/QuorvaneFrame.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

template <class W> W* make(QWidget* parent, const char* name)
{
    auto* widget = new W(parent);
    widget->setObjectName(name);
    return widget;
}

void fill(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
}

QFrame* panel(QWidget* parent, const char* name, int width, int height)
{
    auto* frame = make<QFrame>(parent, name);
    frame->resize(width, height);
    return frame;
}

} // namespace

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
    createDiskPages();

    alignChildren(this, {{TopPanel, Align::Top},
                         {StatusBar1, Align::Bottom},
                         {ToolPanel, Align::Left},
                         {ClientPanel, Align::Client}});
}

void TDesktopFrame::createDayPage()
{
    LeftPanel = panel(DaySheet, "LeftPanel", 260, 800);
    CalPanel = panel(LeftPanel, "CalPanel", 235, 132);
    fill(CalPanel, Qt::white);
    CalPanel->setFrameShape(QFrame::Box);
    ContactTitlePanel = make<QLabel>(LeftPanel, "ContactTitlePanel");
    ContactTitlePanel->setText("Contants");
    ContactTitlePanel->resize(260, 22);
    ContactListView = make<QTreeWidget>(LeftPanel, "ContactListView");
    ContactListView->setHeaderLabels({"Name"});
    ContactListView->setRootIsDecorated(false);
    ContactListView->setGeometry(0, 154, 260, 600);
    alignChildren(LeftPanel, {{CalPanel, Align::Top}, {ContactTitlePanel, Align::Top}});

    Panel1 = panel(DaySheet, "Panel1", 1300, 30);
    GoToButton = make<QPushButton>(Panel1, "GoToButton");
    GoToButton->setGeometry(4, 3, 90, 24);
    ToDayButton = make<QPushButton>(Panel1, "ToDayButton");
    ToDayButton->setGeometry(98, 3, 90, 24);

    DateTitlePanel = panel(DaySheet, "DateTitlePanel", 1300, 26);
    DateLabel = make<QLabel>(DateTitlePanel, "DateLabel");
    DateLabel->setGeometry(8, 4, 400, 18);

    EventPanel = panel(DaySheet, "EventPanel", 1300, 36);
    NewEventButton = make<QPushButton>(EventPanel, "NewEventButton");
    NewEventButton->setGeometry(8, 6, 100, 25);
    EditEventButton = make<QPushButton>(EventPanel, "EditEventButton");
    EditEventButton->setGeometry(116, 6, 100, 25);
    EditEventButton->setEnabled(false);

    EventScrollBox = make<QScrollArea>(DaySheet, "EventScrollBox");
    EventScrollBox->setFrameShape(QFrame::NoFrame);
    EventScrollBox->setWidgetResizable(false);
    EventScrollContent = make<QWidget>(nullptr, "EventScrollContent");
    fill(EventScrollContent, Qt::white);
    EventScrollContent->resize(1300, 1057);
    EventScrollBox->setWidget(EventScrollContent);
    DateStringGrid = make<TDrawGrid>(EventScrollContent, "DateStringGrid");
    DateStringGrid->setColCount(2);
    DateStringGrid->setRowCount(24);
    DateStringGrid->setDefaultRowHeight(44);
    DateStringGrid->setColWidth(0, 70);
    DateStringGrid->setGridLineWidth(2);
    DateStringGrid->setEnabled(false);
    DateStringGrid->setGeometry(0, 0, 70, 24 * 46);

    alignChildren(DaySheet, {{Panel1, Align::Top},
                             {DateTitlePanel, Align::Top},
                             {EventPanel, Align::Bottom},
                             {LeftPanel, Align::Right},
                             {EventScrollBox, Align::Client}});
}

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

// Form description of the Day and Week pages.
#include "app/widgets/AlignLayout.h"
#include "app/widgets/TDrawGrid.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DesktopFrameLayoutHelpers.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
using namespace layout;

void TDesktopFrame::createDayPage()
{
    LeftPanel = panel(DaySheet, "LeftPanel", 260, 800);
    CalPanel = panel(LeftPanel, "CalPanel", 235, 132);
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

void TDesktopFrame::createWeekPage() {}

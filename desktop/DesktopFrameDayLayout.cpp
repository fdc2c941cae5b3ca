// Form description of the Day and Week pages.
#include "common/widgets/AlignLayout.h"
#include "common/widgets/TDrawGrid.h"
#include "desktop/CalendarViews.h"
#include "desktop/ContactRows.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DesktopFrameLayoutHelpers.h"
#include "desktop/ShapeCanvas.h"
#include "desktop/ViewColours.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeView>
using namespace layout;

namespace {

QFont sansSerif(bool bold)
{
    QFont font("MS Sans Serif");
    font.setPixelSize(13);
    font.setBold(bold);
    return font;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
}

// A scroll box whose content keeps the size it is given and never scrolls sideways.
QScrollArea* scrollBox(QWidget* parent, const char* name, QWidget* content)
{
    auto* box = make<QScrollArea>(parent, name);
    box->setFrameShape(QFrame::NoFrame);
    box->setWidgetResizable(false);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setWidget(content);
    // The content is as wide as the whole box, so the vertical bar covers its right edge. A
    // hidden horizontal bar still moves on arrow keys, a sideways wheel and focus changes; with
    // no range it has nowhere to go, and the hour column stays at the left edge.
    QScrollBar* sideways = box->horizontalScrollBar();
    QObject::connect(sideways, &QScrollBar::rangeChanged, sideways, [sideways](int, int max) {
        if (max != 0)
            sideways->setMaximum(0);
    });
    sideways->setMaximum(0);
    return box;
}

} // namespace

void TDesktopFrame::createDayPage()
{
    LeftPanel = panel(DaySheet, "LeftPanel", 260, 800);
    CalPanel = panel(LeftPanel, "CalPanel", 235, 132);
    ContactTitlePanel = make<QLabel>(LeftPanel, "ContactTitlePanel");
    ContactTitlePanel->setText("Contants");
    ContactTitlePanel->resize(260, 22);
    ContactListView = make<QTreeView>(LeftPanel, "ContactListView");
    FContactRows = new TContactRows(ContactListView);
    ContactListView->setModel(FContactRows);
    ContactListView->setRootIsDecorated(false);
    ContactListView->setGeometry(0, 154, 260, 600);
    // A contact dragged onto the day view becomes a new event's text.
    ContactListView->setDragEnabled(true);
    ContactListView->setDragDropMode(QAbstractItemView::DragOnly);
    alignChildren(LeftPanel, {{CalPanel, Align::Top}, {ContactTitlePanel, Align::Top}});

    Panel1 = panel(DaySheet, "Panel1", 1300, 30);
    GoToButton = make<QPushButton>(Panel1, "GoToButton");
    GoToButton->setGeometry(4, 3, 90, 24);
    ToDayButton = make<QPushButton>(Panel1, "ToDayButton");
    ToDayButton->setGeometry(98, 3, 90, 24);

    DateTitlePanel = panel(DaySheet, "DateTitlePanel", 1300, 26);
    ColorShape = new TRectShape(DateTitlePanel, QColor(viewcolours::TitleShapeBrush),
                                QColor(viewcolours::TitleShapePen));
    ColorShape->setObjectName("ColorShape");
    alignChildren(DateTitlePanel, {{ColorShape, Align::Client}});
    DateLabel = make<QLabel>(DateTitlePanel, "DateLabel");
    DateLabel->setGeometry(8, 4, 400, 18);
    DateLabel->setFont(sansSerif(true));
    setTextColour(DateLabel, Qt::white);

    EventPanel = panel(DaySheet, "EventPanel", 1300, 36);
    NewEventButton = make<QPushButton>(EventPanel, "NewEventButton");
    NewEventButton->setGeometry(8, 6, 100, 25);
    EditEventButton = make<QPushButton>(EventPanel, "EditEventButton");
    EditEventButton->setGeometry(116, 6, 100, 25);
    EditEventButton->setEnabled(false);

    EventScrollContent = make<QWidget>(nullptr, "EventScrollContent");
    fill(EventScrollContent, Qt::white);
    EventScrollContent->resize(1300, calendarview::ContentHeight);
    EventScrollBox = scrollBox(DaySheet, "EventScrollBox", EventScrollContent);
    fill(EventScrollBox->viewport(), Qt::white);
    DateStringGrid = make<TDrawGrid>(EventScrollContent, "DateStringGrid");
    DateStringGrid->setColCount(2);
    DateStringGrid->setRowCount(24);
    DateStringGrid->setDefaultRowHeight(calendarview::HourHeight);
    DateStringGrid->setColWidth(0, 70);
    // The rows must stand 44 pixels apart, level with the slots beside them; each cell draws its
    // own edges, so the grid adds no lines of its own.
    DateStringGrid->setGridLineWidth(0);
    DateStringGrid->setFont(sansSerif(false));
    DateStringGrid->setEnabled(false);
    DateStringGrid->setGeometry(0, 0, 70, 24 * calendarview::HourHeight);
    // The hour labels never change, and every rebuild of the view repaints them.
    DateStringGrid->setFixedCells(true);

    mifunction = new QMenu(this);
    mifunction->setObjectName("mifunction");
    miNewEvent = mifunction->addAction("New");
    miNewEvent->setObjectName("miNewEvent");
    miDeleteEvent = mifunction->addAction("Delete");
    miDeleteEvent->setObjectName("miDeleteEvent");
    miEditEvent = mifunction->addAction("Edit");
    miEditEvent->setObjectName("miEditEvent");

    alignChildren(DaySheet, {{Panel1, Align::Top},
                             {DateTitlePanel, Align::Top},
                             {EventPanel, Align::Bottom},
                             {LeftPanel, Align::Right},
                             {EventScrollBox, Align::Client}});
}

void TDesktopFrame::createWeekPage()
{
    Panel7 = panel(WeekSheet, "Panel7", 1300, 25);
    PriorSpeedButton = make<QToolButton>(Panel7, "PriorSpeedButton");
    PriorSpeedButton->setText("<");
    PriorSpeedButton->setAutoRaise(true);
    PriorSpeedButton->setGeometry(12, 2, 23, 22);
    WeekSelectPanel = make<QLabel>(Panel7, "WeekSelectPanel");
    WeekSelectPanel->setGeometry(36, 2, 71, 21);
    WeekSelectPanel->setFrameShape(QFrame::Box);
    WeekSelectPanel->setAlignment(Qt::AlignCenter);
    WeekSelectPanel->setFont(sansSerif(true));
    fill(WeekSelectPanel, Qt::white);
    NextSpeedButton = make<QToolButton>(Panel7, "NextSpeedButton");
    NextSpeedButton->setText(">");
    NextSpeedButton->setAutoRaise(true);
    NextSpeedButton->setGeometry(110, 2, 23, 22);
    WeekLabel = make<QLabel>(Panel7, "WeekLabel");
    WeekLabel->setGeometry(153, 4, 400, 17);
    WeekLabel->setFont(sansSerif(true));

    WeekDateStringGrid = make<TDrawGrid>(WeekSheet, "WeekDateStringGrid");
    WeekDateStringGrid->setColCount(8);
    WeekDateStringGrid->setRowCount(1);
    WeekDateStringGrid->setRowHeight(0, 24);
    WeekDateStringGrid->setColWidth(0, 70);
    WeekDateStringGrid->setGridLineWidth(0);
    WeekDateStringGrid->setGridLineColor(QColor(viewcolours::WeekHeader));
    WeekDateStringGrid->setFont(sansSerif(false));
    WeekDateStringGrid->resize(1300, 24);

    WeekClientPanel = panel(WeekSheet, "WeekClientPanel", 1300, 800);
    fill(WeekClientPanel, QColor(viewcolours::WeekClient));
    WeekScrollContent = make<QWidget>(nullptr, "WeekScrollContent");
    fill(WeekScrollContent, QColor(viewcolours::WeekClient));
    WeekScrollContent->resize(1300, calendarview::ContentHeight);
    WeekScrollBox = scrollBox(WeekClientPanel, "WeekScrollBox", WeekScrollContent);
    // Made before everything else in the content, so that it lies beneath it.
    FWeekShapes = new TShapeCanvas(WeekScrollContent, QColor(viewcolours::WeekClient));
    FWeekShapes->setObjectName("WeekCells");
    FWeekShapes->resize(WeekScrollContent->size());
    WeekTimeStringGrid = make<TDrawGrid>(WeekScrollContent, "WeekTimeStringGrid");
    WeekTimeStringGrid->setColCount(1);
    WeekTimeStringGrid->setRowCount(24);
    WeekTimeStringGrid->setDefaultRowHeight(calendarview::HourHeight);
    WeekTimeStringGrid->setColWidth(0, 70);
    WeekTimeStringGrid->setGridLineWidth(0);
    WeekTimeStringGrid->setGridLineColor(QColor(viewcolours::HourColumn));
    WeekTimeStringGrid->setFont(sansSerif(false));
    WeekTimeStringGrid->setGeometry(0, 0, 70, 24 * calendarview::HourHeight);
    // The hour labels never change, and every rebuild of the view repaints them.
    WeekTimeStringGrid->setFixedCells(true);
    alignChildren(WeekClientPanel, {{WeekScrollBox, Align::Client}});

    alignChildren(WeekSheet,
                  {{Panel7, Align::Top}, {WeekDateStringGrid, Align::Top}, {WeekClientPanel, Align::Client}});
}

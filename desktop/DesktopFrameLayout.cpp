// Form description of the desktop frame.
#include "common/widgets/AlignLayout.h"
#include "common/widgets/TDrawGrid.h"
#include "common/widgets/TImage.h"
#include "common/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DesktopFrameLayoutHelpers.h"
#include "desktop/PageLayoutHelpers.h"
#include "desktop/QuorvaneFrame.h"

#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>

using namespace layout;

namespace {

// The maker's banner at the top left: the tool panel's blue fading into the white strip.
void drawBanner(QImage& canvas)
{
    QPainter painter(&canvas);
    QLinearGradient fade(0, 0, canvas.width(), 0);
    fade.setColorAt(0, QColor(11, 70, 115));
    fade.setColorAt(0.55, QColor(26, 111, 173));
    fade.setColorAt(1, Qt::white);
    painter.fillRect(canvas.rect(), fade);
    painter.setPen(Qt::white);
    painter.setFont(formFont(26, true));
    painter.drawText(QRect(14, 0, canvas.width(), 40), Qt::AlignLeft | Qt::AlignBottom, "Tessary 2.0");
    painter.setFont(formFont(11));
    painter.drawText(QRect(16, 40, canvas.width(), 18), Qt::AlignLeft | Qt::AlignVCenter, "by Ambrel");
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
    drawBanner(Image1->canvas());

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
        coverWithToolPanel(button);
        *s.member = button;
    }
    HotSynSpeedButton->setToolTip("Syncronize");
    QuorvaneFrame1 = new TQuorvaneFrame(TQuorvaneFrame::Copy::Desktop, ToolPanel);
    QuorvaneFrame1->setDesktopFrame(this);
    alignChildren(ToolPanel, {{QuorvaneFrame1, Align::Client}});

    // The frame's own splitter has no part in the layout; it stays hidden.
    Splitter1 = make<QFrame>(this, "Splitter1");
    Splitter1->hide();

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
    createMenus();

    alignChildren(this, {{TopPanel, Align::Top},
                         {StatusBar1, Align::Bottom},
                         {ToolPanel, Align::Left},
                         {ClientPanel, Align::Client}});
}

void TDesktopFrame::createMenus()
{
    // The main window shows this bar as its own while the frame is visible.
    MainMenu1 = make<QMenuBar>(this, "MainMenu1");
    MainMenu1->hide();
    miFile = MainMenu1->addMenu("File");
    miFile->setObjectName("miFile");
    miImportAddress = miFile->addAction("Import Address");
    miImportAddress->setObjectName("miImportAddress");
    miPrint = miFile->addAction("Print");
    miPrint->setObjectName("miPrint");
    miSynchronize = miFile->addAction(HotSynSpeedButton->text());
    miSynchronize->setObjectName("miSynchronize");
    // The tool panel's reader button is hidden, so the menu offers the reader form.
    miRFID = miFile->addAction(QuorvaneFrame1->MP3SpeedButton->text());
    miRFID->setObjectName("miRFID");
    miQuit = miFile->addAction("Exit");
    miQuit->setObjectName("miQuit");
    miHelp = MainMenu1->addMenu("Help");
    miHelp->setObjectName("miHelp");
    miTessaryHelp = miHelp->addAction("Tessary Help");
    miTessaryHelp->setObjectName("miTessaryHelp");
    miTessary = miHelp->addAction("Tessary Homepage");
    miTessary->setObjectName("miTessary");
    miAmbrelHomepage = miHelp->addAction("Ambrel Homepage");
    miAmbrelHomepage->setObjectName("miAmbrelHomepage");
}

// Form description of the sync view.
#include "common/widgets/AlignLayout.h"
#include "common/widgets/DeferredIcon.h"
#include "desktop/DesktopFrameLayoutHelpers.h"
#include "desktop/QuorvaneFrame.h"
#include "mobile/GridLineDelegate.h"
#include "mobile/PelloranFrame.h"
#include "mobile/SyncFileList.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

using namespace layout;

namespace {

QFont formFont(int pixels, bool bold = false)
{
    QFont font("MS Sans Serif");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QToolButton* toolBarButton(QToolBar* bar, const char* name, QStyle::StandardPixmap image)
{
    auto* button = make<QToolButton>(bar, name);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setFixedSize(78, 46);
    button->setIconSize(QSize(34, 26));
    button->setIcon(deferredStandardIcon(bar->style(), image));
    bar->addWidget(button);
    return button;
}

QAction* action(QObject* parent, const char* name, const char* caption)
{
    auto* act = new QAction(caption, parent);
    act->setObjectName(name);
    return act;
}

template <class W> W* placed(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    W* widget = make<W>(parent, name);
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel* centredLabel(QWidget* parent, const char* name, const char* caption, int left, int width)
{
    auto* label = placed<QLabel>(parent, name, left, 8, width, 13);
    label->setText(caption);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

void TPelloranFrame::createComponents()
{
    setObjectName("PelloranFrame1");
    resize(865, 516);

    // Top: the menu as the first tool bar, the command buttons as the second.
    CoolBar1 = panel(this, "CoolBar1", width(), 72);
    ToolBar1 = panel(CoolBar1, "ToolBar1", width(), 24);
    MainMenu1 = make<QMenuBar>(ToolBar1, "MainMenu1");
    alignChildren(ToolBar1, {{MainMenu1, Align::Client}});
    ToolBar2 = make<QToolBar>(CoolBar1, "ToolBar2");
    ToolBar2->resize(width(), 48);
    tbAnalyseSync = toolBarButton(ToolBar2, "tbAnalyseSync", QStyle::SP_BrowserReload);
    tbNewSync = toolBarButton(ToolBar2, "tbNewSync", QStyle::SP_FileDialogNewFolder);
    tbProperties = toolBarButton(ToolBar2, "tbProperties", QStyle::SP_FileDialogDetailedView);
    ToolBar2->addSeparator();
    tbAnalyse = toolBarButton(ToolBar2, "tbAnalyse", QStyle::SP_FileDialogContentsView);
    tbSync = toolBarButton(ToolBar2, "tbSync", QStyle::SP_DialogApplyButton);
    ToolBar2->addSeparator();
    tbDelete = toolBarButton(ToolBar2, "tbDelete", QStyle::SP_TrashIcon);
    ToolBar2->addSeparator();
    tbDocuments = toolBarButton(ToolBar2, "tbDocuments", QStyle::SP_DirHomeIcon);
    tbFavorites = toolBarButton(ToolBar2, "tbFavorites", QStyle::SP_DirLinkIcon);
    // Hidden and never shown: kept out of the bar, which would disable a hidden button.
    tbGhost = make<QToolButton>(ToolBar2, "tbGhost");
    tbGhost->setText("Favorites");
    tbGhost->setCheckable(true);
    tbGhost->hide();
    tbProperties->setEnabled(false);
    tbSync->setEnabled(false);
    tbDelete->setEnabled(false);
    alignChildren(CoolBar1, {{ToolBar1, Align::Top}, {ToolBar2, Align::Top}});

    actNewSync = action(this, "actNewSync", "New Sync");
    actProperties = action(this, "actProperties", "Properties");
    actDelete = action(this, "actDelete", "Delete");
    actAnalyseSync = action(this, "actAnalyseSync", "Analyse/Sync");
    actAnalyse = action(this, "actAnalyse", "Analyse");
    actSync = action(this, "actSync", "Synchronize");

    miFile = MainMenu1->addMenu("&File");
    miFile->setObjectName("miFile");
    miNewSync = action(miFile, "miNewSync", "Crate &New Sync");
    miNewSync->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    miProperites = action(miFile, "miProperites", "&Properties");
    miExit = action(miFile, "miExit", "E&xit");
    miFile->addActions({miNewSync, miProperites});
    miFile->addSeparator();
    miFile->addAction(miExit);
    miAction = MainMenu1->addMenu("&Action");
    miAction->setObjectName("miAction");
    miAnalyseSync = action(miAction, "miAnalyseSync", "Analyse/Sync");
    miAnalyse = action(miAction, "miAnalyse", "&Analyse");
    miSync = action(miAction, "miSync", "&Synchronize");
    miGhost = action(miAction, "miGhost", "Favorites");
    miGhost->setCheckable(true);
    miAction->addAction(miAnalyseSync);
    miAction->addSeparator();
    miAction->addActions({miAnalyse, miSync});
    miAction->addSeparator();
    miAction->addAction(miGhost);

    // Left: the page buttons, with the tool panel over them.
    ToolPanel = panel(this, "ToolPanel", 100, height());
    fill(ToolPanel, QColor(0, 72, 125));
    struct Speed
    {
        QToolButton** member;
        const char* name;
        const char* caption;
        int top;
    };
    const Speed speeds[] = {
        {&DateSpeedButton, "DateSpeedButton", "Schedule", 0},
        {&AddressSpeedButton, "AddressSpeedButton", "Address Book", 70},
        {&EmailSpeedButton, "EmailSpeedButton", "Email", 140},
        {&HotSynSpeedButton, "HotSynSpeedButton", "Synchronize", 210},
        {&SpeedButton1, "SpeedButton1", "Favorites Ghost", 280},
        {&MP3SpeedButton, "MP3SpeedButton", "MP3 Player", 350},
    };
    for (const Speed& speed : speeds) {
        QToolButton* button = placed<QToolButton>(ToolPanel, speed.name, 0, speed.top, 90, 70);
        button->setText(speed.caption);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        coverWithToolPanel(button);
        *speed.member = button;
    }
    QuorvaneFrame1 = new TQuorvaneFrame(TQuorvaneFrame::Copy::SyncView, ToolPanel);
    alignChildren(ToolPanel, {{QuorvaneFrame1, Align::Client}});
    QuorvaneFrame1->raise();
    Splitter2 = panel(this, "Splitter2", 5, height());
    Splitter2->setCursor(Qt::SplitHCursor);

    // Right: the profiles, the selected profile's pair, the file list.
    Panel2 = make<QFrame>(this, "Panel2");
    pnlProfiles = make<QLabel>(Panel2, "pnlProfiles");
    pnlProfiles->resize(width(), 24);
    pnlProfiles->setText("Synchronize Profiles");
    pnlProfiles->setAlignment(Qt::AlignCenter);
    pnlProfiles->setFont(formFont(11, true));
    fill(pnlProfiles, QColor(0, 128, 128));
    QPalette white = pnlProfiles->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    pnlProfiles->setPalette(white);

    lvSyncs = make<QListWidget>(Panel2, "lvSyncs");
    lvSyncs->resize(width(), 72);
    lvSyncs->setViewMode(QListView::IconMode);
    lvSyncs->setIconSize(QSize(32, 32));
    lvSyncs->setMovement(QListView::Static);
    lvSyncs->setResizeMode(QListView::Adjust);
    lvSyncs->setSelectionMode(QAbstractItemView::SingleSelection);
    Splitter1 = panel(Panel2, "Splitter1", width(), 6);
    Splitter1->setCursor(Qt::SplitVCursor);

    pnlTitle = make<QLabel>(Panel2, "pnlTitle");
    pnlTitle->resize(width(), 22);
    pnlTitle->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlTitle->setFont(formFont(11, true));
    fill(pnlTitle, QColor(192, 220, 192));

    Panel3 = panel(Panel2, "Panel3", width(), 84);
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lbPC = centredLabel(Panel3, "lbPC", "PC", 10, 179);
    lbDirection = centredLabel(Panel3, "lbDirection", "Direction", 248, 129);
    lbMobile = centredLabel(Panel3, "lbMobile", "Mobile Disk", 386, 177);
    edtPC = placed<QLineEdit>(Panel3, "edtPC", 10, 24, 179, 21);
    edtPC->setReadOnly(true);
    btnBrowse1 = placed<QPushButton>(Panel3, "btnBrowse1", 192, 24, 49, 21);
    btnBrowse1->setText("Browse");
    cbDirect = placed<QComboBox>(Panel3, "cbDirect", 248, 24, 131, 21);
    cbDirect->addItems(syncDirectionItems());
    cbDirect->setCurrentIndex(2);
    edtUsb = placed<QLineEdit>(Panel3, "edtUsb", 386, 24, 179, 21);
    edtUsb->setReadOnly(true);
    edtUsb->setText("/");
    btnBrowse2 = placed<QPushButton>(Panel3, "btnBrowse2", 568, 24, 49, 21);
    btnBrowse2->setText("Browse");
    pbPC = placed<QProgressBar>(Panel3, "pbPC", 10, 52, 229, 17);
    pbPC->setTextVisible(false);
    ckbSubDir = placed<QCheckBox>(Panel3, "ckbSubDir", 254, 52, 121, 17);
    ckbSubDir->setText("Include SubDirectory");
    pbUsb = placed<QProgressBar>(Panel3, "pbUsb", 386, 50, 231, 17);
    pbUsb->setTextVisible(false);

    lvFiles = make<QTreeView>(Panel2, "lvFiles");
    m_files = new TSyncFileList(lvFiles);
    lvFiles->setModel(m_files);
    lvFiles->setRootIsDecorated(false);
    lvFiles->setItemDelegate(new GridLineDelegate(lvFiles));
    lvFiles->setUniformRowHeights(true);
    lvFiles->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvFiles->header()->setSectionsClickable(true);
    lvFiles->header()->setSortIndicatorShown(false);
    const int widths[TSyncFileList::ColumnCount] = {150, 50, 100, 20, 150, 50, 100};
    for (int c = 0; c < TSyncFileList::ColumnCount; ++c)
        lvFiles->setColumnWidth(c, widths[c]);
    m_files->setColumnTitles({"File Name", "Size", "Modified", "=", "File Name", "Size", "Modified"});

    alignChildren(Panel2, {{pnlProfiles, Align::Top},
                           {lvSyncs, Align::Top},
                           {Splitter1, Align::Top},
                           {pnlTitle, Align::Top},
                           {Panel3, Align::Top},
                           {lvFiles, Align::Client}});

    StatusBar1 = make<QStatusBar>(this, "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->resize(width(), 19);
    for (QLabel*& statusPanel : m_statusPanels) {
        statusPanel = new QLabel(StatusBar1);
        statusPanel->setFixedWidth(150);
        StatusBar1->addWidget(statusPanel);
    }

    alignChildren(this, {{CoolBar1, Align::Top},
                         {StatusBar1, Align::Bottom},
                         {ToolPanel, Align::Left},
                         {Splitter2, Align::Left},
                         {Panel2, Align::Client}});
}

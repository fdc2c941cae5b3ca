// Form description of the Backup and Restore pages.
#include "common/widgets/AlignLayout.h"
#include "common/widgets/TImage.h"
#include "desktop/DesktopFrame.h"
#include "desktop/PageLayoutHelpers.h"
#include "desktop/Shape.h"
#include "desktop/ShellListView.h"

#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

using namespace layout;

namespace {

// A 25-pixel strip with one label, as "New Date Backup" above the page's title.
QFrame* captionStrip(QWidget* page, const char* name, QLabel** text, const char* labelName,
                     const char* caption)
{
    QFrame* strip = panel(page, name, 1300, 25);
    *text = label(strip, labelName, caption, formFont(11));
    (*text)->setGeometry(8, 0, 400, 25);
    return strip;
}

// The coloured title strip: a rounded bar with the page's name centred on it in white.
QFrame* titleStrip(QWidget* page, const char* name, TShape** shape, const char* shapeName, QLabel** text,
                   const char* labelName, const char* caption)
{
    QFrame* strip = panel(page, name, 1300, 25);
    fill(strip, bgr(14024703));
    *shape = new TShape(bgr(625391), bgr(955887), strip);
    (*shape)->setObjectName(shapeName);
    *text = label(strip, labelName, caption, formFont(16, true));
    (*text)->setAlignment(Qt::AlignCenter);
    setTextColour(*text, Qt::white);
    alignChildren(strip, {{*shape, Align::Client}})->setContentsMargins(4, 2, 4, 1);
    // The label lies over the shape, so it is laid out on its own.
    alignChildren(*shape, {{*text, Align::Client}});
    return strip;
}

// The white drive panel: the banner picture, the device's name and a status line.
QFrame* drivePanel(QWidget* page, const char* name, TImage** image, const char* imageName, QLabel** device,
                   const char* deviceName, QLabel** status, const char* statusName)
{
    QFrame* white = panel(page, name, 1300, 139);
    fill(white, Qt::white);
    *image = make<TImage>(white, imageName);
    (*image)->setTransparent(true);
    (*image)->setCentered(true);
    (*image)->setGeometry(0, 0, 800, 139);
    *device = label(white, deviceName, "USB Storage Device", formFont(24));
    setTextColour(*device, bgr(6252399));
    (*device)->setGeometry(8, 2, 400, 30);
    *status = label(white, statusName, QString(), formFont(11));
    (*status)->setAlignment(Qt::AlignCenter);
    (*status)->resize(1300, 18);
    alignChildren(white, {{*status, Align::Bottom}});
    return white;
}

// The source list's pictures, drawn: the style's own folder icons are looked up in the icon
// theme, which costs more at start-up than the whole page.
QIcon folderIcon(bool withPlus)
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(176, 126, 20));
    painter.setBrush(QColor(236, 190, 74));
    painter.drawRoundedRect(QRectF(2.5, 5.5, 12, 6), 1.5, 1.5);
    painter.setBrush(QColor(250, 212, 102));
    painter.drawRoundedRect(QRectF(2.5, 8.5, 27, 20), 1.5, 1.5);
    if (withPlus) {
        painter.setPen(QPen(QColor(40, 150, 40), 3));
        painter.drawLine(23, 17, 23, 29);
        painter.drawLine(17, 23, 29, 23);
    }
    painter.end();
    return QIcon(picture);
}

QListWidget* iconList(QWidget* parent, const char* name)
{
    auto* list = make<QListWidget>(parent, name);
    list->setViewMode(QListView::IconMode);
    list->setIconSize(QSize(32, 32));
    list->setMovement(QListView::Static);
    list->setResizeMode(QListView::Adjust);
    list->setWrapping(true);
    list->setGridSize(QSize(110, 66));
    return list;
}

QProgressBar* progressBar(QWidget* parent, const char* name)
{
    auto* bar = make<QProgressBar>(parent, name);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->resize(1300, 20);
    return bar;
}

QTreeWidget* fileList(QWidget* parent, const char* name, const QStringList& captions,
                      std::initializer_list<int> widths)
{
    QTreeWidget* list = reportList(parent, name, false);
    setColumns(list, captions, widths);
    list->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    return list;
}

QPlainTextEdit* actionText(QWidget* parent, const char* name)
{
    auto* text = make<QPlainTextEdit>(parent, name);
    text->setReadOnly(true);
    return text;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, const QRect& geometry)
{
    auto* b = make<QPushButton>(parent, name);
    b->setText(caption);
    b->setGeometry(geometry);
    return b;
}

} // namespace

void TDesktopFrame::createDiskPages()
{
    // Backup page
    TopBackupPanel = captionStrip(FileSheet, "TopBackupPanel", &Label9, "Label9", "New Date Backup");
    pnlProfiles = titleStrip(FileSheet, "pnlProfiles", &Shape2, "Shape2", &Label6, "Label6", "Backup");
    BackupPanel = drivePanel(FileSheet, "BackupPanel", &BackupImage, "BackupImage", &Label5, "Label5",
                             &FileLabel, "FileLabel");
    Panel21 = panel(FileSheet, "Panel21", 1300, 98);
    lvSyncs = iconList(Panel21, "lvSyncs");
    lvSyncs->addItem(new QListWidgetItem(folderIcon(true), "New Directory"));
    const QIcon folder = folderIcon(false);
    for (const char* caption : {"My Documents", "My Pictures", "My Videos", "My Music"})
        lvSyncs->addItem(new QListWidgetItem(folder, caption));
    alignChildren(Panel21, {{lvSyncs, Align::Client}});

    Panel20 = panel(FileSheet, "Panel20", 1300, 400);
    Panel24 = panel(Panel20, "Panel24", 1300, 40);
    FileProgressBar = progressBar(Panel24, "FileProgressBar");
    Backup_Label = label(Panel24, "Backup_Label", QString(), formFont(13));
    Backup_Label->resize(1300, 20);
    alignChildren(Panel24, {{FileProgressBar, Align::Top}, {Backup_Label, Align::Top}});
    PageControl1 = make<QTabWidget>(Panel20, "PageControl1");
    ShellListView1 = new TShellListView(TShellListView::Entries::FoldersAndFiles, nullptr);
    ShellListView1->setObjectName("ShellListView1");
    PageControl1->addTab(ShellListView1, "View");
    ProcessListView = fileList(nullptr, "ProcessListView",
                               {"File Name", "Backup Name", "Size", "Modified", "State"}, {0, 200, 0, 100});
    PageControl1->addTab(ProcessListView, "Analysis Process");
    ActionMemo = actionText(nullptr, "ActionMemo");
    PageControl1->addTab(ActionMemo, "Event Action");
    Panel2 = panel(Panel20, "Panel2", 1300, 30);
    Analyse_Bn = button(Panel2, "Analyse_Bn", "Analyse", {2, 2, 145, 25});
    Backup_Btn = button(Panel2, "Backup_Btn", "Backup", {154, 2, 145, 25});
    Backup_Btn->setEnabled(false);
    CancelButton_Btn = button(Panel2, "CancelButton_Btn", "Cancel", {300, 2, 145, 25});
    alignChildren(Panel20, {{Panel24, Align::Top}, {Panel2, Align::Bottom}, {PageControl1, Align::Client}});
    alignChildren(FileSheet, {{TopBackupPanel, Align::Top},
                              {pnlProfiles, Align::Top},
                              {BackupPanel, Align::Top},
                              {Panel21, Align::Top},
                              {Panel20, Align::Client}});

    // Restore page
    Panel27 = captionStrip(TabSheet5, "Panel27", &Label10, "Label10", "Date Restore");
    Panel28 = titleStrip(TabSheet5, "Panel28", &Shape5, "Shape5", &Label11, "Label11", "Restore");
    Panel29 = drivePanel(TabSheet5, "Panel29", &RestoreImage, "RestoreImage", &Label12, "Label12", &Label13,
                         "Label13");
    RestoreListView = iconList(TabSheet5, "RestoreListView");
    RestoreListView->resize(1300, 96);

    Panel30 = panel(TabSheet5, "Panel30", 1300, 400);
    Panel33 = panel(Panel30, "Panel33", 1300, 20);
    RestoreFileProgressBar = progressBar(Panel33, "RestoreFileProgressBar");
    alignChildren(Panel33, {{RestoreFileProgressBar, Align::Top}});
    PageControl2 = make<QTabWidget>(Panel30, "PageControl2");
    RestoreShellListView = new TShellListView(TShellListView::Entries::FoldersAndFiles, nullptr);
    RestoreShellListView->setObjectName("RestoreShellListView");
    PageControl2->addTab(RestoreShellListView, "View");
    RestoreProcessListView = fileList(nullptr, "RestoreProcessListView",
                                      {"Name", "Restore", "Size", "Modified", "State"}, {500, 250, 0, 100});
    PageControl2->addTab(RestoreProcessListView, "Analysis Process");
    RestoreMemo = actionText(nullptr, "RestoreMemo");
    PageControl2->addTab(RestoreMemo, "Event Action");
    Panel32 = panel(Panel30, "Panel32", 1300, 30);
    Restore_Analyse_Btn = button(Panel32, "Restore_Analyse_Btn", "Analyse", {2, 2, 145, 23});
    Restore_Button = button(Panel32, "Restore_Button", "Restore", {152, 2, 145, 25});
    Restore_Button->setEnabled(false);
    Restore_CancelBtn = button(Panel32, "Restore_CancelBtn", "Cancel", {300, 2, 145, 25});
    alignChildren(Panel30, {{Panel33, Align::Top}, {Panel32, Align::Bottom}, {PageControl2, Align::Client}});

    DirListView = new TShellListView(TShellListView::Entries::FoldersOnly, TabSheet5);
    DirListView->setObjectName("DirListView");
    DirListView->hide();
    alignChildren(TabSheet5, {{Panel27, Align::Top},
                              {Panel28, Align::Top},
                              {Panel29, Align::Top},
                              {RestoreListView, Align::Top},
                              {Panel30, Align::Client}});
}

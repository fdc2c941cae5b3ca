#include "mobile/PelloranFrame.h"

#include "common/SharedTexts.h"
#include "common/SystemRoutines.h"
#include "common/widgets/DeferredIcon.h"
#include "common/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "desktop/PaneSplitter.h"
#include "mobile/Favorites.h"
#include "mobile/SyncDlg.h"
#include "mobile/SyncFileList.h"
#include "mobile/SyncProfiles.h"
#include "platform/Application.h"
#include "platform/IniFile.h"
#include "platform/ShellFolders.h"
#include "platform/SystemInfo.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>

namespace {

// The profile list keeps a profile's four values, as read, with its item.
constexpr int ProfileValuesRole = Qt::UserRole;

const char* const NoSpecialFolder = "This computer has no %1 folder.";

// Neither the pane a splitter moves nor the part that gives way gets smaller than this.
constexpr int SplitterMinSize = 30;

TSyncProfile profileFrom(const TSyncDlg& dialog)
{
    return TSyncProfile{dialog.edtProfilename->text(), dialog.edtPC->text(), dialog.edtUsb->text(),
                        QString::number(dialog.directionIndex()), dialog.ckbSubDir->isChecked() ? "1" : "0"};
}

// A direction or sub-folder value as a number; text that is none reads as `fallback`.
int numberIn(const QString& text, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

int syncMessage(QWidget* parent, const QString& text, platform::dialogs::Icon icon, int buttons)
{
    return platform::dialogs::messageBox(parent, text, QApplication::applicationName(), icon, buttons);
}

bool profileNameRefused(QWidget* parent, const QString& name)
{
    const QString problem = syncprofiles::nameProblem(name);
    if (!problem.isEmpty())
        syncMessage(parent, problem, platform::dialogs::Icon::Warning);
    return !problem.isEmpty();
}

QString folderText(const QString& folder)
{
    return folder.endsWith('/') ? folder : folder + '/';
}

QStringList syncDirectionItems()
{
    const QString pc = SharedTexts::load(64960);
    const QString mobile = SharedTexts::load(64961);
    return {pc + " ===>> " + mobile, pc + "<<===>> " + mobile, pc + "<<=== " + mobile};
}

namespace {

bool isNetworkFolder(const QString& folder)
{
    return folder.contains(QStringLiteral("//")) || folder.contains('\\');
}

} // namespace

QString choosePcFolder(QWidget* parent, const QString& start)
{
    const QString folder = platform::dialogs::selectFolder(parent, SharedTexts::load(64970), start);
    if (folder.isEmpty())
        return QString();
    if (isNetworkFolder(folder)) {
        syncMessage(parent, SharedTexts::load(64972), platform::dialogs::Icon::Warning);
        return QString();
    }
    return folderText(folder);
}

QString chooseMobileFolder(QWidget* parent, const QString& mobileRoot, const QString& start)
{
    const QString folder = platform::dialogs::selectFolder(parent, SharedTexts::load(64971), start);
    if (folder.isEmpty())
        return QString();
    const QString relative = isNetworkFolder(folder) ? QString() : mobileRelativeFolder(mobileRoot, folder);
    if (relative.isEmpty())
        syncMessage(parent, SharedTexts::load(64972), platform::dialogs::Icon::Warning);
    return relative;
}

QString mobileRelativeFolder(const QString& mobileRoot, const QString& folder)
{
    const QString chosen = folderText(folder);
    if (!chosen.startsWith(mobileRoot))
        return QString();
    return '/' + chosen.mid(mobileRoot.size());
}

TPelloranFrame::TPelloranFrame(QWidget* parent) : QFrame(parent)
{
    createComponents();
    edtPC->setText(syncprofiles::defaultPcFolder());
    connectEvents();
}

TPelloranFrame::~TPelloranFrame() = default;

void TPelloranFrame::connectEvents()
{
    const auto onTrigger = [this](QAction* act, void (TPelloranFrame::*handler)()) {
        connect(act, &QAction::triggered, this, guarded(this, handler));
    };
    const auto onClick = [this](QAbstractButton* button, void (TPelloranFrame::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, guarded(this, handler));
    };
    onTrigger(actNewSync, &TPelloranFrame::actNewSyncExecute);
    onTrigger(actProperties, &TPelloranFrame::actPropertiesExecute);
    onTrigger(actDelete, &TPelloranFrame::actDeleteExecute);
    onTrigger(actAnalyseSync, &TPelloranFrame::actAnalyseSyncExecute);
    onTrigger(actAnalyse, &TPelloranFrame::actAnalyseExecute);
    onTrigger(actSync, &TPelloranFrame::actSyncExecute);
    // The tool bar's buttons and the menu's items run the actions; the buttons' enabled states
    // are kept apart from the actions', which stay enabled.
    const std::pair<QObject*, QAction*> runs[] = {{tbAnalyseSync, actAnalyseSync},
                                                  {tbNewSync, actNewSync},
                                                  {tbProperties, actProperties},
                                                  {tbAnalyse, actAnalyse},
                                                  {tbSync, actSync},
                                                  {tbDelete, actDelete},
                                                  {miNewSync, actNewSync},
                                                  {miProperites, actProperties},
                                                  {miAnalyseSync, actAnalyseSync},
                                                  {miAnalyse, actAnalyse},
                                                  {miSync, actSync}};
    for (const auto& [source, act] : runs) {
        if (auto* button = qobject_cast<QAbstractButton*>(source))
            connect(button, &QAbstractButton::clicked, act, [act] { act->trigger(); });
        else
            connect(static_cast<QAction*>(source), &QAction::triggered, act, [act] { act->trigger(); });
    }
    onTrigger(miExit, &TPelloranFrame::miExitClick);

    connect(lvSyncs, &QListWidget::itemSelectionChanged, this,
            guarded(this, &TPelloranFrame::lvSyncsSelectItem));
    connect(lvSyncs, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem*) { runGuarded([this] { lvSyncsDblClick(); }); });
    onClick(btnBrowse1, &TPelloranFrame::btnBrowse1Click);
    onClick(btnBrowse2, &TPelloranFrame::btnBrowse2Click);
    onClick(tbDocuments, &TPelloranFrame::tbDocumentsClick);
    onClick(tbFavorites, &TPelloranFrame::tbFavoritesClick);
    onClick(tbGhost, &TPelloranFrame::tbGhostClick);
    connect(tbGhost, &QToolButton::toggled, miGhost, [this](bool pressed) {
        const QSignalBlocker quiet(miGhost);
        miGhost->setChecked(pressed);
    });
    connect(miGhost, &QAction::triggered, tbGhost, [this] { tbGhost->click(); });
    onClick(DateSpeedButton, &TPelloranFrame::DateSpeedButtonClick);
    onClick(AddressSpeedButton, &TPelloranFrame::AddressSpeedButtonClick);
    onClick(EmailSpeedButton, &TPelloranFrame::EmailSpeedButtonClick);

    const auto filesChanged = guarded(this, &TPelloranFrame::lvFilesChange);
    connect(m_files, &QAbstractItemModel::modelReset, this, filesChanged);
    connect(m_files, &QAbstractItemModel::rowsInserted, this, filesChanged);
    connect(m_files, &QAbstractItemModel::rowsRemoved, this, filesChanged);
    connect(lvFiles->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { runGuarded([&] { lvFilesColumnClick(column); }); });
    lvFiles->viewport()->installEventFilter(this);
    ToolPanel->installEventFilter(this);
    for (QFrame* strip : {Splitter1, Splitter2})
        new TPaneSplitter(strip, SplitterMinSize);
}

bool TPelloranFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ToolPanel && event->type() == QEvent::Resize)
        runGuarded([this] { ToolPanelResize(); });
    // The second press of a double-click arrives as the double-click: it toggles the row again.
    if (watched == lvFiles->viewport() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        runGuarded([&] { lvFilesMouseDown(at.x(), at.y()); });
    }
    return false;
}

// ---- profiles ----

void TPelloranFrame::LoadCaptions()
{
    const std::pair<QAbstractButton*, int> buttons[] = {
        {tbNewSync, 65003}, {tbProperties, 65004}, {tbDelete, 65005},    {tbAnalyseSync, 65006},
        {tbAnalyse, 65007}, {tbSync, 64976},       {tbDocuments, 64977}, {tbFavorites, 64978},
        {ckbSubDir, 64962}, {btnBrowse1, 64979},   {btnBrowse2, 64979}};
    for (const auto& [button, id] : buttons)
        button->setText(SharedTexts::load(id));
    const std::pair<QAction*, int> items[] = {{miNewSync, 64983},     {miProperites, 64984}, {miExit, 64988},
                                              {miAnalyseSync, 64985}, {miAnalyse, 64986},    {miSync, 64987}};
    for (const auto& [item, id] : items)
        item->setText(SharedTexts::load(id));
    miFile->setTitle(SharedTexts::load(64982));
    miAction->setTitle(SharedTexts::load(64989));
    const std::pair<QLabel*, int> labels[] = {
        {pnlProfiles, 64990}, {lbPC, 64960}, {lbMobile, 64961}, {lbDirection, 64963}};
    for (const auto& [label, id] : labels)
        label->setText(SharedTexts::load(id));
    const QString name = SharedTexts::load(64964), size = SharedTexts::load(64965),
                  modified = SharedTexts::load(64966);
    m_files->setColumnTitles({name, size, modified, "=", name, size, modified});

    const QSignalBlocker quiet(cbDirect);
    cbDirect->clear();
    cbDirect->addItems(syncDirectionItems());
    cbDirect->setCurrentIndex(-1);
}

void TPelloranFrame::LoadProfiles()
{
    LoadCaptions();
    const QString computerName = GetComputerNameStr();
    const QString current = platform::shell::specialFolderPath(platform::shell::CSIDL_FAVORITES, true);
    FMobileRoot = platform::sys::driveRoot();
    FAppPath = platform::sys::programFolder();
    FSortColumn = 0;

    TIniFile ini(PelloranIniPath());
    if (IsFavoritesGhosted(current)) {
        tbGhost->setChecked(true);
        FOldFavorites = ini.ReadString("Favorites", computerName, QString());
    } else {
        FOldFavorites = current;
        // A stick that refuses writes still shows its profiles, which can be synced towards the
        // PC: the refusal is said and the view opens.
        try {
            ini.WriteString("Favorites", computerName, current);
        } catch (const platform::ini::IniWriteError& error) {
            TApplication::showException(error);
        }
    }

    lvSyncs->clear();
    const QIcon icon = deferredStandardIcon(style(), QStyle::SP_DirIcon);
    for (const TSyncProfile& profile : syncprofiles::read(ini)) {
        auto* item = new QListWidgetItem(icon, profile.Name, lvSyncs);
        item->setData(ProfileValuesRole,
                      QStringList{profile.PC, profile.UsbDisk, profile.Direct, profile.SubDir});
    }
}

QListWidgetItem* TPelloranFrame::selectedProfile() const
{
    const QList<QListWidgetItem*> selected = lvSyncs->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void TPelloranFrame::lvSyncsSelectItem()
{
    QListWidgetItem* item = selectedProfile();
    tbDelete->setEnabled(item != nullptr);
    tbProperties->setEnabled(item != nullptr);
    if (!item)
        return;
    const QStringList values = item->data(ProfileValuesRole).toStringList();
    pnlTitle->setText(item->text());
    edtPC->setText(values.value(0));
    edtUsb->setText(values.value(1));
    const int direction = numberIn(values.value(2), -1);
    cbDirect->setCurrentIndex(direction >= 0 && direction < cbDirect->count() ? direction : -1);
    ckbSubDir->setChecked(numberIn(values.value(3), 0) != 0);
    m_files->clear();
    FPcChanged = 0;
    FMobileChanged = 0;
    showCounts();
}

void TPelloranFrame::lvSyncsDblClick()
{
    if (selectedProfile())
        actPropertiesExecute();
}

void TPelloranFrame::actNewSyncExecute()
{
    TSyncDlg dialog(this, FMobileRoot);
    dialog.setWindowTitle(SharedTexts::load(65001));
    dialog.edtPC->setText(edtPC->text());
    dialog.edtUsb->setText(edtUsb->text());
    dialog.setDirectionIndex(cbDirect->currentIndex());
    dialog.ckbSubDir->setChecked(ckbSubDir->isChecked());
    if (dialog.exec() == QDialog::Accepted)
        storeProfile(dialog, true);
}

void TPelloranFrame::actPropertiesExecute()
{
    QListWidgetItem* item = selectedProfile();
    if (!item) {
        syncMessage(this, SharedTexts::load(64973), platform::dialogs::Icon::Warning);
        return;
    }
    // The dialog shows the name read-only: a hand-made name the file cannot take is refused
    // before anything can be typed in vain.
    if (profileNameRefused(this, item->text()))
        return;
    const QStringList values = item->data(ProfileValuesRole).toStringList();
    TSyncDlg dialog(this, FMobileRoot);
    dialog.setWindowTitle(SharedTexts::load(65002));
    dialog.edtProfilename->setText(item->text());
    dialog.edtProfilename->setReadOnly(true);
    dialog.edtPC->setText(values.value(0));
    dialog.edtUsb->setText(values.value(1));
    dialog.setDirectionIndex(numberIn(values.value(2), -1));
    dialog.ckbSubDir->setChecked(numberIn(values.value(3), 0) != 0);
    if (dialog.exec() == QDialog::Accepted)
        storeProfile(dialog, false);
}

void TPelloranFrame::storeProfile(const TSyncDlg& dialog, bool list)
{
    TIniFile ini(PelloranIniPath());
    syncprofiles::write(ini, profileFrom(dialog), list);
    LoadProfiles();
}

void TPelloranFrame::actDeleteExecute()
{
    QListWidgetItem* item = selectedProfile();
    if (!item)
        return;
    // Erasing a section named "Syncs" or "Favorites" would take every profile or every saved
    // Favorites path with it.
    if (profileNameRefused(this, item->text()))
        return;
    TIniFile ini(PelloranIniPath());
    syncprofiles::remove(ini, item->text());
    LoadProfiles();
}

// ---- the pair panel ----

void TPelloranFrame::btnBrowse1Click()
{
    const QString current = edtPC->text();
    const QString folder = choosePcFolder(this, QDir(current).exists() ? current : QString());
    if (folder.isEmpty())
        return;
    edtPC->setText(folder);
    m_files->clear();
}

void TPelloranFrame::btnBrowse2Click()
{
    const QString current = QString(FMobileRoot + edtUsb->text()).replace(QStringLiteral("//"), "/");
    const QString folder =
        chooseMobileFolder(this, FMobileRoot, QDir(current).exists() ? current : FMobileRoot);
    if (folder.isEmpty())
        return;
    edtUsb->setText(folder);
    m_files->clear();
}

void TPelloranFrame::useSpecialFolder(int csidl, const QString& ghostSubFolder)
{
    const QString path = platform::shell::specialFolderPath(csidl, true);
    if (path.isEmpty()) {
        // Pairing the empty path would pair the whole file system with the disk.
        const int caption = csidl == platform::shell::CSIDL_PERSONAL ? 64977 : 64978;
        syncMessage(this, QString(NoSpecialFolder).arg(SharedTexts::load(caption)),
                    platform::dialogs::Icon::Warning);
        return;
    }
    edtPC->setText(folderText(path));
    edtUsb->setText(mobileRelativeFolder(FMobileRoot, FAppPath + "Pelloran/" + ghostSubFolder + '/'));
    cbDirect->setCurrentIndex(1);
    ckbSubDir->setChecked(true);
    actAnalyseSyncExecute();
}

void TPelloranFrame::tbDocumentsClick()
{
    useSpecialFolder(platform::shell::CSIDL_PERSONAL, "My Documents");
}

void TPelloranFrame::tbFavoritesClick()
{
    useSpecialFolder(platform::shell::CSIDL_FAVORITES, "My Favorites");
}

void TPelloranFrame::tbGhostClick()
{
    if (tbGhost->isChecked()) {
        SetFavoritesFolder(GhostFavoritesPath(), 0);
        platform::dialogs::shellExecute("open", "IEXPLORE.EXE");
    } else {
        // An empty path (a PC found ghosted with no saved entry) makes the shell use its default
        // Favorites folder again.
        SetFavoritesFolder(FOldFavorites, 0);
    }
}

// ---- the hidden page buttons and the rest ----

void TPelloranFrame::DateSpeedButtonClick()
{
    if (m_desktopFrame) {
        TPageControl* pages = m_desktopFrame->ToolPageControl;
        pages->setTabVisible(0, true);
        pages->setTabVisible(1, true);
        pages->setTabVisible(2, false);
        pages->setActivePageIndex(0);
        m_desktopFrame->show();
    }
    hide();
}

void TPelloranFrame::AddressSpeedButtonClick()
{
    if (m_desktopFrame) {
        TPageControl* pages = m_desktopFrame->ToolPageControl;
        pages->setTabVisible(0, false);
        pages->setTabVisible(1, false);
        pages->setTabVisible(2, true);
        pages->setActivePageIndex(2);
        m_desktopFrame->show();
    }
    hide();
}

void TPelloranFrame::EmailSpeedButtonClick()
{
    hide();
}

void TPelloranFrame::miExitClick()
{
    window()->close();
}

void TPelloranFrame::ToolPanelResize()
{
    for (QWidget* control : ToolPanel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->resize(ToolPanel->width() - 1, control->height());
}

void TPelloranFrame::lvFilesChange()
{
    tbSync->setEnabled(m_files->rowCount() > 0);
}

void TPelloranFrame::lvFilesColumnClick(int column)
{
    FSortColumn = column;
    m_files->sortBy(column);
}

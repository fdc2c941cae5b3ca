#pragma once

// The sync view: the second frame of the main window, with its own copy of the tool panel. It
// keeps the sync profiles of "Pelloran.ini", compares a PC folder with a Mobile Disk folder,
// copies the selected files across, and points the Favorites folder at the disk and back.

#include "platform/Dialogs.h"

#include <QFrame>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QToolBar;
class QToolButton;
class QTreeView;
class TDesktopFrame;
class TQuorvaneFrame;
class TSyncDlg;
class TSyncFileList;

class TPelloranFrame : public QFrame
{
    Q_OBJECT
public:
    explicit TPelloranFrame(QWidget* parent);
    ~TPelloranFrame() override;

    // The desktop frame that the hidden page buttons switch to.
    void setDesktopFrame(TDesktopFrame* frame) { m_desktopFrame = frame; }

    void LoadProfiles();
    void LoadCaptions();

    void lvSyncsSelectItem();
    void lvSyncsDblClick();
    void actNewSyncExecute();
    void actPropertiesExecute();
    void actDeleteExecute();
    void btnBrowse1Click();
    void btnBrowse2Click();
    void tbDocumentsClick();
    void tbFavoritesClick();
    void tbGhostClick();
    void DateSpeedButtonClick();
    void AddressSpeedButtonClick();
    void EmailSpeedButtonClick();
    void miExitClick();
    void ToolPanelResize();
    void lvFilesChange();
    void lvFilesColumnClick(int column);

    void actAnalyseExecute();
    void actAnalyseSyncExecute();
    void actSyncExecute();
    void CountChanges();
    void lvFilesMouseDown(int x, int y);
    void ToggleItemAt(int x, int y);

    // The profile list's selected item, or nullptr.
    QListWidgetItem* selectedProfile() const;
    // The list's rows and their texts; the list is the view's lvFiles.
    TSyncFileList* fileList() const { return m_files; }
    QLabel* statusPanel(int index) const { return m_statusPanels[index]; }

    QFrame* CoolBar1;
    // The band that shows MainMenu1's items as its buttons.
    QFrame* ToolBar1;
    QMenuBar* MainMenu1;
    QToolBar* ToolBar2;
    QToolButton* tbAnalyseSync;
    QToolButton* tbNewSync;
    QToolButton* tbProperties;
    QToolButton* tbAnalyse;
    QToolButton* tbSync;
    QToolButton* tbDelete;
    QToolButton* tbDocuments;
    QToolButton* tbFavorites;
    QToolButton* tbGhost;

    QAction* actNewSync;
    QAction* actProperties;
    QAction* actDelete;
    QAction* actAnalyseSync;
    QAction* actAnalyse;
    QAction* actSync;

    QMenu* miFile;
    QAction* miNewSync;
    QAction* miProperites;
    QAction* miExit;
    QMenu* miAction;
    QAction* miAnalyseSync;
    QAction* miAnalyse;
    QAction* miSync;
    // tbGhost lies hidden in the tool bar; this checkable item offers it and mirrors its state.
    QAction* miGhost;

    QFrame* ToolPanel;
    QToolButton* DateSpeedButton;
    QToolButton* AddressSpeedButton;
    QToolButton* EmailSpeedButton;
    QToolButton* HotSynSpeedButton;
    QToolButton* SpeedButton1;
    QToolButton* MP3SpeedButton;
    TQuorvaneFrame* QuorvaneFrame1;
    QFrame* Splitter2;

    QFrame* Panel2;
    QLabel* pnlProfiles;
    QListWidget* lvSyncs;
    QFrame* Splitter1;
    QLabel* pnlTitle;
    QFrame* Panel3;
    QLabel* lbPC;
    QLabel* lbDirection;
    QLabel* lbMobile;
    QLineEdit* edtPC;
    QPushButton* btnBrowse1;
    QComboBox* cbDirect;
    QLineEdit* edtUsb;
    QPushButton* btnBrowse2;
    QProgressBar* pbPC;
    QCheckBox* ckbSubDir;
    QProgressBar* pbUsb;
    QTreeView* lvFiles;
    QStatusBar* StatusBar1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createComponents();
    void connectEvents();
    // Runs the analysis; false when the PC folder was refused and nothing was analysed.
    bool analyse();
    void showCounts();
    void useSpecialFolder(int csidl, const QString& ghostSubFolder);
    // Writes the profile the dialog closed with, unless its name is refused.
    void storeProfile(const TSyncDlg& dialog, bool list);

    QString FOldFavorites;
    QString FMobileRoot;
    QString FAppPath;
    int FPcChanged = 0;
    int FMobileChanged = 0;
    int FSortColumn = 0;

    TDesktopFrame* m_desktopFrame = nullptr;
    TSyncFileList* m_files = nullptr;
    QLabel* m_statusPanels[4] = {};
};

// A message box of the sync view and its dialog, titled with the program's name.
int syncMessage(QWidget* parent, const QString& text, platform::dialogs::Icon icon,
                int buttons = platform::dialogs::Ok);
// Shows why `name` cannot be a profile's name, if it cannot; true then.
bool profileNameRefused(QWidget* parent, const QString& name);
// A chosen folder as a folder text of the pair panel: ending in one "/".
QString folderText(const QString& folder);
// The three direction items of the view's and the dialog's direction boxes, index = direction.
QStringList syncDirectionItems();
// The folder pickers of the view and the dialog, starting at `start`: a folder text ending in
// "/", or empty when cancelled or refused with "Must be a logic disk." (a network folder, or for
// the Mobile Disk a folder off the disk, which is given relative to its root).
QString choosePcFolder(QWidget* parent, const QString& start);
QString chooseMobileFolder(QWidget* parent, const QString& mobileRoot, const QString& start);
// A chosen folder on the Mobile Disk as the Mobile Disk folder of a pair: the root's part
// replaced by "/" at the start only; empty when the folder is not on the disk.
QString mobileRelativeFolder(const QString& mobileRoot, const QString& folder);

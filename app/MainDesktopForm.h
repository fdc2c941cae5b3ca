#pragma once

// The organiser's one main window: it owns the database connection, holds the desktop
// frame and the sync view, settles the user's Favorites folder at start and gives it
// back at close, and turns the mouse wheel into scrolling of the day view.

#include "platform/Database.h"

#include <QMainWindow>
#include <memory>

class DesktopWiring;
class TDesktopFrame;
class TPelloranFrame;

class TMainDesktopForm : public QMainWindow
{
    Q_OBJECT
public:
    // Start-up leaves what the first frame does not show (the sync view, the frame's list and
    // disk pages) to be built right after that frame, or on the first input before it; every
    // other maker of the form gets it whole at once.
    enum class HiddenParts { Now, AfterFirstFrame };
    explicit TMainDesktopForm(QWidget* parent = nullptr, HiddenParts hiddenParts = HiddenParts::Now);
    ~TMainDesktopForm() override;

    // Null until the hidden parts are built.
    TPelloranFrame* PelloranFrame1 = nullptr;
    TDesktopFrame* DesktopFrame;
    // The one connection; the frame and the editors are handed it. Reopening it keeps every
    // holder's reference, as no holder keeps an engine handle between calls.
    TADOConnection ADOConnection;
    // Counts wheel events on the Day page; every third one scrolls.
    int Tag = 0;

    void FormCreate();
    void FormShow();
    void FormClose();
    void FormMouseWheel(int wheelDelta);
    void ApplicationEventsIdle();

    void DesktopFrameBackup_BtnClick();
    void DesktopFrameAnalyse_BnClick();
    void DesktopFrameRestore_ButtonClick();

    QString favoritesPath() const { return FFavoritesPath; }
    // Closes the database file and opens the program folder's "desktop.mdb" again; a file
    // that cannot be opened is reported and leaves the connection closed.
    void openDatabase();
    // Builds the hidden parts, unless they are built already.
    void buildHiddenParts();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createComponents(HiddenParts hiddenParts);
    void createSyncView();
    void connectEvents();
    void connectDiskPageButtons();
    void drawToolPanelGradient();
    void settleFavoritesPath(const QString& computerName);

    QString FFavoritesPath;
    // The Favorites folder was found on the disk at start: the sync view's panel says so, and
    // the close gives FFavoritesPath back even when it is empty.
    bool FFavoritesGhosted = false;
    bool FHiddenPartsBuilt = false;
    std::unique_ptr<DesktopWiring> m_wiring;
};

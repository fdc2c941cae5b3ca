#pragma once

// The column of large buttons at the left of the main window. The same panel is embedded
// in the desktop frame and in the sync view; its page buttons switch the desktop frame's pages.

#include <QFrame>

class QPlainTextEdit;
class QToolButton;
class TDesktopFrame;
class TImage;

class TQuorvaneFrame : public QFrame
{
    Q_OBJECT
public:
    // Which of the two embedded copies this is; they differ in colour and a few buttons.
    enum class Copy { Desktop, SyncView };

    TQuorvaneFrame(Copy copy, QWidget* parent);

    // The frame whose pages the buttons switch; set by whoever embeds the panel, before use.
    void setDesktopFrame(TDesktopFrame* frame) { m_desktop = frame; }

    // Told at start whether the Favorites folder already points at the disk; the panel
    // shows nothing of it.
    void SetGhosted(bool ghosted);

    // Page buttons: each shows its page of the desktop frame and makes that frame the
    // visible one.
    void sbScheduleClick();
    void sbAddressClick();
    void sbMemoClick();
    void sbExpenseClick();
    void sbPasswordClick();
    void sbBackupClick();
    void sbRestoreClick();
    void sbUnGhostClick();
    void MP3SpeedButtonClick();
    void sbEmailClick();
    // Keeps every control as wide as the panel, less one pixel.
    void FrameResize();

    QToolButton* sbSchedule;
    QToolButton* sbAddress;
    QToolButton* sbBackup;
    QToolButton* sbGhosted;
    QToolButton* MP3SpeedButton;
    QToolButton* sbUnGhost;
    QToolButton* sbMemo;
    QToolButton* sbExpense;
    QToolButton* sbEmail;
    QToolButton* sbPassword;
    TImage* Image1;
    QPlainTextEdit* Debug_Memo;
    QToolButton* sbRestore;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void createComponents(Copy copy);
    void connectEvents(Copy copy);
    TDesktopFrame* desktopFrame() const;
    void showTabs(int first, int last, bool visible) const;
    // The frame that holds this panel: the desktop frame or the sync view.
    QWidget* holder() const;
    void showDesktopPage(int page);

    TDesktopFrame* m_desktop = nullptr;
};

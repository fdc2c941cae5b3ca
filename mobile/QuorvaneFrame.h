#pragma once

// The column of large buttons at the left of the main window. The same panel is embedded
// in the desktop frame and in the sync view; its page buttons switch the desktop pages.

#include <QFrame>

class QPlainTextEdit;
class QToolButton;
class TImage;

class TQuorvaneFrame : public QFrame
{
    Q_OBJECT
public:
    // Which of the two embedded copies this is; they differ in colour and a few buttons.
    enum class Copy { Desktop, SyncView };

    TQuorvaneFrame(Copy copy, QWidget* parent);

    // Told at start whether the Favorites folder already points at the disk; the panel
    // shows nothing of it.
    void SetGhosted(bool ghosted);

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

private:
    void createComponents(Copy copy);
};

#pragma once

// The sync view: the second frame of the main window, with its own copy of the tool panel.

#include <QFrame>

class TQuorvaneFrame;

class TPelloranFrame : public QFrame
{
    Q_OBJECT
public:
    explicit TPelloranFrame(QWidget* parent);

    // Reads the sync profiles into the profile list; the list comes with the sync view.
    void LoadProfiles();

    QFrame* ToolPanel;
    TQuorvaneFrame* QuorvaneFrame1;
    QFrame* Panel2;

private:
    void createComponents();
};

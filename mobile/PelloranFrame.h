#pragma once

// The sync view: the second frame of the main window, with its own copy of the tool panel.

#include <QFrame>

class TQuorvaneFrame;

class TPelloranFrame : public QFrame
{
    Q_OBJECT
public:
    explicit TPelloranFrame(QWidget* parent);

    QFrame* ToolPanel;
    TQuorvaneFrame* QuorvaneFrame1;
    QFrame* Panel2;

private:
    void createComponents();
};

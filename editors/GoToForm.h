#pragma once

// The go-to-day dialog: a month mini-calendar of its own on which the user picks a day; OK
// makes it the desktop frame's current day and rebuilds the day view for it. The frame's
// GoTo button creates it anew for every use and shows it modally; it sets nothing in it.

#include "editors/EditorCalendar.h"

#include <QDialog>

class QPainter;
class QPushButton;

class TDesktopFrame;
class TGoToForm : public QDialog, public TEditorCalendar
{
    Q_OBJECT
public:
    TGoToForm(TDesktopFrame& frame, QWidget* parent = nullptr);

    QPushButton* OKButton;
    QPushButton* CancelButton;
    QPushButton* ToDayButton;

    void FormCreate();
    void OKButtonClick();
    void CancelButtonClick();
    void ToDayButtonClick();

    void CalStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect);
    void CalStringGridSelectCell(int ACol, int ARow, bool* CanSelect);
    void CalStringGridMouseUp();
    void CalLeftSpeedButtonMouseUp();
    void RightSpeedButtonMouseUp();
    void CalMonthSpeedButtonMouseUp();
    void CalYearSpeedButtonMouseUp();
    void CalMonthClick(QObject* Sender);
    void CalYearClick(QObject* Sender);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createComponents();
    void connectEvents();
    TDesktopFrame& m_frame;
};

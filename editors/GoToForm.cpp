#include "editors/GoToForm.h"

#include "common/MonthCalendar.h"
#include "common/MonthCalendarGrid.h"
#include "common/MonthCalendarWiring.h"
#include "common/SharedTexts.h"
#include "common/widgets/TDrawGrid.h"
#include "desktop/DesktopFrame.h"
#include "platform/Application.h"
#include "platform/Clock.h"

#include <QKeyEvent>
#include <QPushButton>

TGoToForm::TGoToForm(TDesktopFrame& frame, QWidget* parent) : QDialog(parent), m_frame(frame)
{
    createComponents();
    connectEvents();
    FormCreate();
}

void TGoToForm::connectEvents()
{
    connect(OKButton, &QPushButton::clicked, this, guarded(this, &TGoToForm::OKButtonClick));
    connect(CancelButton, &QPushButton::clicked, this, guarded(this, &TGoToForm::CancelButtonClick));
    connect(ToDayButton, &QPushButton::clicked, this, guarded(this, &TGoToForm::ToDayButtonClick));

    connectMonthCalendar(this, MonthCalendar,
                         {.drawCell = &TGoToForm::CalStringGridDrawCell,
                          .selectCell = &TGoToForm::CalStringGridSelectCell,
                          .gridMouseUp = &TGoToForm::CalStringGridMouseUp,
                          .leftArrow = &TGoToForm::CalLeftSpeedButtonMouseUp,
                          .rightArrow = &TGoToForm::RightSpeedButtonMouseUp,
                          .monthButton = &TGoToForm::CalMonthSpeedButtonMouseUp,
                          .yearButton = &TGoToForm::CalYearSpeedButtonMouseUp,
                          .monthItem = &TGoToForm::CalMonthClick,
                          .yearItem = &TGoToForm::CalYearClick});
}

void TGoToForm::FormCreate()
{
    setWindowTitle(SharedTexts::load(65097));
    OKButton->setText(SharedTexts::load(65099));
    ToDayButton->setText(SharedTexts::load(65098));
    CancelButton->setText(SharedTexts::load(65100));
    startFrom(m_frame);
}

void TGoToForm::keyPressEvent(QKeyEvent* event)
{
    // Only OK, Cancel and the close box end the dialog; Esc means nothing here.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TGoToForm::OKButtonClick()
{
    TDesktopFrame& frame = m_frame;
    frame.FCurrentDate = FCurrentDate;
    frame.FFirstCellDate = FFirstCellDate;
    frame.FSelRow = FSelRow;
    frame.FSelCol = FSelCol;
    frame.LocateCurrentCell();
    frame.RepaintCalendar();
    frame.DateStringGrid->update();
    frame.ClearDayEvents();
    frame.BuildDayView(FCurrentDate);
    accept();
}

void TGoToForm::CancelButtonClick()
{
    reject();
}

void TGoToForm::ToDayButtonClick()
{
    FCurrentDate = platform::clock::today();
    BuildMonthCells();
    LocateCurrentCell();
    CalStringGrid->update();
}

void TGoToForm::CalStringGridDrawCell(QPainter& painter, int ACol, int ARow, const QRect& Rect)
{
    drawCell(painter, ACol, ARow, Rect);
}

void TGoToForm::CalStringGridSelectCell(int ACol, int ARow, bool* CanSelect)
{
    const CellChoice choice = chooseCell(ACol, ARow, CanSelect);
    if (choice == CellChoice::Refused)
        return;
    if (choice == CellChoice::OtherMonth) {
        // The grid is rebuilt around the day's month and the day found by its distance from the
        // first cell.
        BuildMonthCells();
        const qint64 days = FFirstCellDate.daysTo(FCurrentDate);
        FSelRow = static_cast<int>(days / MonthGrid::Columns) + 1;
        FSelCol = static_cast<int>(days % MonthGrid::Columns);
    }
    CalStringGrid->update();
}

void TGoToForm::CalStringGridMouseUp()
{
    moveGridCursor();
}

void TGoToForm::CalLeftSpeedButtonMouseUp()
{
    shiftMonths(-1);
}

void TGoToForm::RightSpeedButtonMouseUp()
{
    shiftMonths(1);
}

void TGoToForm::CalMonthSpeedButtonMouseUp()
{
    openMonthPopup();
}

void TGoToForm::CalYearSpeedButtonMouseUp()
{
    openYearPopup();
}

void TGoToForm::CalMonthClick(QObject* Sender)
{
    if (const std::optional<int> tag = TMonthCalendar::popupTag(Sender))
        shiftMonths(*tag);
}

void TGoToForm::CalYearClick(QObject* Sender)
{
    if (const std::optional<int> tag = TMonthCalendar::popupTag(Sender))
        shiftMonths(12 * *tag);
}

// Form description of the go-to-day dialog.
#include "common/MonthCalendar.h"
#include "editors/EditorLayout.h"
#include "editors/GoToForm.h"

void TGoToForm::createComponents()
{
    setObjectName("GoToForm");
    editorlayout::makeFixedDialog(this, QSize(179, 177), 11);

    CalPanel = editorlayout::calendarPanel(this, QRect(10, 10, 163, 129));
    MonthCalendar = new TMonthCalendar(CalPanel, MonthCalendarStyle::goToDialog());
    CalShape = MonthCalendar->CalShape;
    CalLeftSpeedButton = MonthCalendar->CalLeftSpeedButton;
    CalMonthSpeedButton = MonthCalendar->CalMonthSpeedButton;
    CalYearSpeedButton = MonthCalendar->CalYearSpeedButton;
    RightSpeedButton = MonthCalendar->CalRightSpeedButton;
    CalStringGrid = MonthCalendar->CalStringGrid;
    CalMonthPopup = MonthCalendar->CalMonthPopup;
    CalYearPopup = MonthCalendar->CalYearPopup;

    OKButton = editorlayout::button(this, "OKButton", QRect(6, 148, 50, 25));
    CancelButton = editorlayout::button(this, "CancelButton", QRect(64, 148, 50, 25));
    ToDayButton = editorlayout::button(this, "ToDayButton", QRect(122, 148, 50, 25));
}

// Form description of the month mini-calendar.
#include "common/MonthCalendar.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DesktopFrameLayoutHelpers.h"

void TDesktopFrame::createCalendarPanel()
{
    layout::fill(CalPanel, Qt::white);
    CalPanel->setFrameShape(QFrame::Box);
    CalPanel->setLineWidth(1);
    MonthCalendar = new TMonthCalendar(CalPanel, MonthCalendarStyle::desktopFrame());
    CalShape = MonthCalendar->CalShape;
    CalLeftSpeedButton = MonthCalendar->CalLeftSpeedButton;
    CalMonthSpeedButton = MonthCalendar->CalMonthSpeedButton;
    CalYearSpeedButton = MonthCalendar->CalYearSpeedButton;
    CalRightSpeedButton = MonthCalendar->CalRightSpeedButton;
    CalStringGrid = MonthCalendar->CalStringGrid;
    CalMonthPopup = MonthCalendar->CalMonthPopup;
    CalYearPopup = MonthCalendar->CalYearPopup;
}

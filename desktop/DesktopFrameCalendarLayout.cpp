// Form description of the month mini-calendar.
#include "desktop/DesktopFrame.h"
#include "desktop/DesktopFrameLayoutHelpers.h"

void TDesktopFrame::createCalendarPanel() {}

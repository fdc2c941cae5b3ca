#include "desktop/DesktopFrame.h"

void TDesktopFrame::connectDayViewEvents() {}
void TDesktopFrame::InitCalendar() {}
int TDesktopFrame::LoadDayEvents(std::vector<TEventRec>&, const QDate&)
{
    return 0;
}
void TDesktopFrame::LayoutOverlaps(int, std::vector<TEventRec>&) {}
void TDesktopFrame::BuildDayView(const QDate&) {}
void TDesktopFrame::ClearDayEvents() {}
void TDesktopFrame::ClearEventTree() {}
void TDesktopFrame::DeleteSelectedEvent() {}
void TDesktopFrame::NewEventButtonClick() {}
void TDesktopFrame::EditEventButtonClick() {}
void TDesktopFrame::miEditEventClick() {}
void TDesktopFrame::miDeleteEventClick() {}

#include "desktop/DesktopFrame.h"

void TDesktopFrame::connectCalendarEvents() {}
void TDesktopFrame::BuildMonthCells() {}
void TDesktopFrame::LocateCurrentCell() {}
void TDesktopFrame::ToDayButtonClick() {}
void TDesktopFrame::GoToButtonClick() {}

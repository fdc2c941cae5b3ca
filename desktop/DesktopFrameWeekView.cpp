#include "desktop/DesktopFrame.h"

void TDesktopFrame::connectWeekViewEvents() {}
void TDesktopFrame::BuildWeekView(const QDate&) {}
void TDesktopFrame::ClearWeekEvents() {}
void TDesktopFrame::NextSpeedButtonClick() {}
void TDesktopFrame::PriorSpeedButtonClick() {}

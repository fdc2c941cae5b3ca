#include "desktop/DesktopFrame.h"

TDesktopFrame::TDesktopFrame(QWidget* parent) : QFrame(parent)
{
    createComponents();
    connectEvents();
}

TDesktopFrame::~TDesktopFrame() = default;

void TDesktopFrame::connectEvents()
{
    connectCalendarEvents();
    connectDayViewEvents();
    connectWeekViewEvents();
}

void TDesktopFrame::InitFrame() {}
void TDesktopFrame::ApplyCaptions() {}
void TDesktopFrame::DateSpeedButtonClick() {}
void TDesktopFrame::AddressSpeedButtonClick() {}
void TDesktopFrame::HotSynSpeedButtonClick() {}
void TDesktopFrame::EmailSpeedButtonClick() {}
void TDesktopFrame::ToolPageControlChanging(bool*) {}
void TDesktopFrame::miQuitClick() {}
void TDesktopFrame::Image1Click() {}
void TDesktopFrame::Image1MouseMove() {}
void TDesktopFrame::Import_BitBtnClick() {}
void TDesktopFrame::QuorvaneFrame1sbBackupClick() {}
void TDesktopFrame::QuorvaneFrame1sbEmailClick() {}
void TDesktopFrame::SetupAddressColumns() {}
void TDesktopFrame::LoadContactList() {}
void TDesktopFrame::LoadAddressCategories(int) {}
void TDesktopFrame::LoadMemoCategories(int) {}
void TDesktopFrame::LoadAddressList(int) {}
void TDesktopFrame::LoadMemoList(int) {}
void TDesktopFrame::LoadExpenseList(int) {}
// The disk pages' commands are still empty.
void TDesktopFrame::Backup_BtnClick() {}
void TDesktopFrame::Analyse_BnClick() {}
void TDesktopFrame::Restore_ButtonClick() {}
void TDesktopFrame::ListBackups() {}

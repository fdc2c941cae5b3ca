#include "desktop/DesktopFrame.h"

TDesktopFrame::TDesktopFrame(QWidget* parent) : QFrame(parent)
{
    createComponents();
}

void TDesktopFrame::InitFrame() {}

// The disk pages' commands are still empty.
void TDesktopFrame::Backup_BtnClick() {}
void TDesktopFrame::Analyse_BnClick() {}
void TDesktopFrame::Restore_ButtonClick() {}

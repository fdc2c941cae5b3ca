#include "mobile/PelloranFrame.h"

TPelloranFrame::TPelloranFrame(QWidget* parent) : QFrame(parent)
{
    createComponents();
}

void TPelloranFrame::LoadProfiles() {}

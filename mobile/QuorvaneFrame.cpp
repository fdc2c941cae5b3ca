#include "mobile/QuorvaneFrame.h"

TQuorvaneFrame::TQuorvaneFrame(Copy copy, QWidget* parent) : QFrame(parent)
{
    createComponents(copy);
}

void TQuorvaneFrame::SetGhosted(bool) {}

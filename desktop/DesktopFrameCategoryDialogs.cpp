// The Category buttons of the address and Password pages: each opens the category list
// dialog of its kind, which writes the changes and rebuilds the page's categories itself.
#include "desktop/DesktopFrame.h"
#include "desktop/DesktopStarts.h"
#include "platform/Application.h"

#include <QPushButton>

void TDesktopFrame::connectCategoryDialogEvents()
{
    connect(EditGroup, &QPushButton::clicked, this, guarded(this, &TDesktopFrame::EditGroupClick));
    connect(btmemoCategory, &QPushButton::clicked, this, guarded(this, &TDesktopFrame::btmemoCategoryClick));
}

void TDesktopFrame::EditGroupClick()
{
    starts().categoryList(QStringLiteral("Group"));
}

void TDesktopFrame::btmemoCategoryClick()
{
    starts().categoryList(QStringLiteral("Memo"));
}

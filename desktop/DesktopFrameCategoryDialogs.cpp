// The Category buttons of the address and Password pages: each opens the category list
// dialog of its kind, which writes the changes and rebuilds the page's categories itself.
#include "app/Forms.h"
#include "desktop/DesktopFrame.h"
#include "editors/GroupForm.h"
#include "platform/Application.h"

#include <QPushButton>

namespace {

void openCategoryList(const QString& kind)
{
    TGroupForm* dialog = Application::CreateForm(GroupForm);
    dialog->FGroupKind = kind;
    dialog->exec();
}

} // namespace

void TDesktopFrame::connectCategoryDialogEvents()
{
    connect(EditGroup, &QPushButton::clicked, this, guarded(this, &TDesktopFrame::EditGroupClick));
    connect(btmemoCategory, &QPushButton::clicked, this, guarded(this, &TDesktopFrame::btmemoCategoryClick));
}

void TDesktopFrame::EditGroupClick()
{
    openCategoryList(QStringLiteral("Group"));
}

void TDesktopFrame::btmemoCategoryClick()
{
    openCategoryList(QStringLiteral("Memo"));
}

// Form description of the category delete dialog.
#include "editors/DeleteGroupForm.h"
#include "editors/EditorLayout.h"
#include "editors/RadioGroup.h"

#include <QPushButton>

void TDeleteGroupForm::createComponents()
{
    setObjectName("DeleteGroupForm");
    editorlayout::makeFixedDialog(this, QSize(359, 124), 11);

    DeleteGroup = editorlayout::make<TRadioGroup>(this, "DeleteGroup");
    DeleteGroup->setTitle("Delete Group ");
    DeleteGroup->setGeometry(0, 0, 359, 87);
    DeleteGroup->setItems({QString(), QString()});
    DeleteGroup->setItemIndex(0);
    OKButton = editorlayout::button(this, "OKButton", QRect(38, 94, 75, 25));
    CancelButton = editorlayout::button(this, "CancelButton", QRect(248, 92, 75, 25));
}

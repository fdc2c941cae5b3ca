// Form description of the category list dialog.
#include "editors/EditorLayout.h"
#include "editors/GroupForm.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

void TGroupForm::createComponents()
{
    setObjectName("GroupForm");
    editorlayout::makeFixedDialog(this, QSize(279, 279), 11);

    leGroup = editorlayout::label(this, "leGroup", 20, 20);
    GroupListBox = editorlayout::make<QListWidget>(this, "GroupListBox");
    GroupListBox->setGeometry(20, 40, 151, 203);
    OKButton = editorlayout::button(this, "OKButton", QRect(186, 40, 75, 25));
    NewButton = editorlayout::button(this, "NewButton", QRect(186, 76, 75, 25));
    DeleteButton = editorlayout::button(this, "DeleteButton", QRect(186, 106, 75, 25));
    ReNameButton = editorlayout::button(this, "ReNameButton", QRect(186, 136, 75, 25));
}

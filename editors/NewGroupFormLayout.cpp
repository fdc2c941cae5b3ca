// Form description of the category name prompt.
#include "editors/EditorLayout.h"
#include "editors/NewGroupForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void TNewGroupForm::createComponents()
{
    setObjectName("NewGroupForm");
    editorlayout::makeFixedDialog(this, QSize(230, 93), 11);

    GroupActionLabel = editorlayout::label(this, "GroupActionLabel", 10, 10);
    GroupActionEdit = editorlayout::make<QLineEdit>(this, "GroupActionEdit");
    GroupActionEdit->setGeometry(10, 34, 165, 21);
    OKButton = editorlayout::button(this, "OKButton", QRect(20, 68, 75, 20));
    OKButton->setText("OK");
    CancelButton = editorlayout::button(this, "CancelButton", QRect(126, 68, 75, 20));
    CancelButton->setText("Cancel");
}

#include "editors/NewGroupForm.h"

#include "editors/CategoryKinds.h"
#include "editors/EditorForms.h"
#include "editors/GroupForm.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>

TNewGroupForm::TNewGroupForm(QWidget* parent) : QDialog(parent)
{
    createComponents();
    connectEvents();
}

void TNewGroupForm::connectEvents()
{
    connect(OKButton, &QPushButton::clicked, this, guarded(this, &TNewGroupForm::OKButtonClick));
    connect(CancelButton, &QPushButton::clicked, this, guarded(this, &TNewGroupForm::CancelButtonClick));
}

void TNewGroupForm::OKButtonClick()
{
    const categorykind::Kind* kind = categorykind::find(FGroupKind);
    if (kind && (FGroupAction == QLatin1String("Append") || FGroupAction == QLatin1String("ReName"))) {
        const QString name = GroupActionEdit->text();
        if (categorykind::isBlankName(name)) {
            platform::dialogs::messageBox(this, kind->emptyNameMessage, QApplication::applicationName());
            return;
        }
        if (!GroupForm)
            throw std::runtime_error("The category list is not open.");
        GroupForm->FGroupName = name;
    }
    QDialog::accept();
}

void TNewGroupForm::CancelButtonClick()
{
    // Without a list dialog nobody waits for the answer; the prompt closes all the same.
    if (GroupForm)
        GroupForm->FGroupName = QString();
    QDialog::reject();
}

void TNewGroupForm::reject()
{
    CancelButtonClick();
}

#include "editors/DeleteGroupForm.h"

#include "common/SharedTexts.h"
#include "desktop/DesktopFrame.h"
#include "editors/CategoryKinds.h"
#include "editors/EditorForms.h"
#include "editors/GroupForm.h"
#include "editors/RadioGroup.h"
#include "platform/Application.h"
#include "platform/Transaction.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>

TDeleteGroupForm::TDeleteGroupForm(TDesktopFrame& frame, TADOConnection& connection, QWidget* parent)
    : QDialog(parent), m_frame(frame), m_connection(connection)
{
    createComponents();
    connectEvents();
}

void TDeleteGroupForm::connectEvents()
{
    connect(OKButton, &QPushButton::clicked, this, guarded(this, &TDeleteGroupForm::OKButtonClick));
    connect(CancelButton, &QPushButton::clicked, this, guarded(this, &TDeleteGroupForm::CancelButtonClick));
}

void TDeleteGroupForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TDeleteGroupForm::SetGroupKind(const QString& kind)
{
    FGroupKind = kind;
    if (kind == QLatin1String("Group"))
        ApplyGroupCaptions();
    else if (kind == QLatin1String("Memo"))
        ApplyCategoryCaptions();
}

void TDeleteGroupForm::ApplyGroupCaptions()
{
    const categorykind::Kind& k = categorykind::of(QStringLiteral("Group"));
    applyCaptions(k.keepMembersChoice, k.deleteMembersChoice, k.deleteOk, k.deleteCancel, k.deleteTitle);
}

void TDeleteGroupForm::ApplyCategoryCaptions()
{
    const categorykind::Kind& k = categorykind::of(QStringLiteral("Memo"));
    applyCaptions(k.keepMembersChoice, k.deleteMembersChoice, k.deleteOk, k.deleteCancel, k.deleteTitle);
}

void TDeleteGroupForm::applyCaptions(int keepMembers, int deleteMembers, int ok, int cancel, int title)
{
    DeleteGroup->setItemText(0, SharedTexts::load(keepMembers));
    DeleteGroup->setItemText(1, SharedTexts::load(deleteMembers));
    OKButton->setText(SharedTexts::load(ok));
    CancelButton->setText(SharedTexts::load(cancel));
    setWindowTitle(SharedTexts::load(title));
}

void TDeleteGroupForm::execute(const categorykind::TwoLines& lines,
                               std::initializer_list<std::pair<const char*, int>> params)
{
    DeleteGroupQuery.Close();
    DeleteGroupQuery.SQL.Clear();
    for (const QLatin1String& line : lines)
        DeleteGroupQuery.SQL.Add(line);
    for (const auto& [name, value] : params)
        DeleteGroupQuery.ParamByName(name).Value = value;
    DeleteGroupQuery.ExecSQL();
}

void TDeleteGroupForm::OKButtonClick()
{
    const categorykind::Kind& k = categorykind::of(FGroupKind);
    TADOConnection& connection = m_connection;
    DeleteGroupQuery.Connection = &connection;
    {
        // The category and its members change together: members left pointing at a category
        // that no longer exists would show under no category name at all.
        platform::db::Transaction transaction(connection);
        execute(k.deleteCategory, {{"id", FGroupId}});
        if (DeleteGroup->ItemIndex() == 0)
            execute(k.clearMembersCategory,
                    {{"GroupID", categories::NoCategory}, {"DeleteGroupID", FGroupId}});
        else
            execute(k.deleteMembers, {{"id", FGroupId}});
        transaction.commit();
    }

    // The filter's position is judged by the cache as it was, which still holds the category.
    TDesktopFrame& frame = m_frame;
    const int position = (frame.*k.filter)->currentIndex();
    if (position > 0 && categories::idAtPosition(frame.*k.cache, position) == FGroupId) {
        (frame.*k.loadList)(categories::NoCategory);
        (frame.*k.loadCategories)(0);
    } else {
        (frame.*k.loadCategories)(position);
    }

    if (GroupForm)
        GroupForm->removeSelectedEntry();
    close();
}

void TDeleteGroupForm::CancelButtonClick()
{
    close();
}

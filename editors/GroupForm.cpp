#include "editors/GroupForm.h"

#include "common/SharedTexts.h"
#include "desktop/DesktopFrame.h"
#include "editors/CategoryKinds.h"
#include "editors/DeleteGroupForm.h"
#include "editors/EditorForms.h"
#include "editors/EditorLayout.h"
#include "editors/EditorSave.h"
#include "editors/NewGroupForm.h"
#include "platform/Application.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <stdexcept>

TGroupForm::TGroupForm(TDesktopFrame& frame, TADOConnection& connection, QWidget* parent)
    : QDialog(parent), m_frame(frame), m_connection(connection)
{
    createComponents();
    connectEvents();
}

void TGroupForm::connectEvents()
{
    connect(OKButton, &QPushButton::clicked, this, guarded(this, &TGroupForm::OKButtonClick));
    connect(NewButton, &QPushButton::clicked, this, guarded(this, &TGroupForm::NewButtonClick));
    connect(DeleteButton, &QPushButton::clicked, this, guarded(this, &TGroupForm::DeleteButtonClick));
    connect(ReNameButton, &QPushButton::clicked, this, guarded(this, &TGroupForm::ReNameButtonClick));
}

const categorykind::Kind& TGroupForm::kind() const
{
    return categorykind::of(FGroupKind);
}

void TGroupForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window restored by the window system is shown again without being opened again.
    if (!event->spontaneous())
        runGuarded([this] { FormShow(); });
}

void TGroupForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TGroupForm::FormShow()
{
    if (FGroupKind == QLatin1String("Group"))
        ApplyGroupCaptions();
    else
        ApplyCategoryCaptions();
    NewGroupQuery.Connection = &m_connection;
    NewGroupQuery.Close();
    addCachedItems();
}

void TGroupForm::addCachedItems()
{
    for (const TCategoryRec& category : m_frame.*kind().cache)
        GroupListBox->addItem(category.name);
}

void TGroupForm::ApplyGroupCaptions()
{
    applyCaptions(categorykind::of(QStringLiteral("Group")));
}

void TGroupForm::ApplyCategoryCaptions()
{
    applyCaptions(categorykind::of(QStringLiteral("Memo")));
}

void TGroupForm::applyCaptions(const categorykind::Kind& k)
{
    setWindowTitle(SharedTexts::load(k.listTitle));
    editorlayout::setCaption(leGroup, SharedTexts::load(k.listLabel));
    OKButton->setText(SharedTexts::load(k.listOk));
    NewButton->setText(SharedTexts::load(k.listNew));
    DeleteButton->setText(SharedTexts::load(k.listDelete));
    ReNameButton->setText(SharedTexts::load(k.listReName));
}

int TGroupForm::selectedRow() const
{
    const QList<QListWidgetItem*> chosen = GroupListBox->selectedItems();
    return chosen.isEmpty() ? -1 : GroupListBox->row(chosen.first());
}

void TGroupForm::removeSelectedEntry()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    delete GroupListBox->takeItem(row);
    GroupListBox->clearSelection();
    GroupListBox->setCurrentItem(nullptr);
}

int TGroupForm::categoryIdAt(int row) const
{
    const TCategoryList& cache = m_frame.*kind().cache;
    if (row < 0 || row >= static_cast<int>(cache.size()))
        throw std::runtime_error("The category list no longer matches the categories; open it again.");
    return cache[static_cast<size_t>(row)].id;
}

void TGroupForm::askForName(const QString& action, int title, int label, const QString& name)
{
    TNewGroupForm* prompt = Application::CreateForm(NewGroupForm);
    prompt->FGroupKind = FGroupKind;
    prompt->FGroupAction = action;
    prompt->setWindowTitle(SharedTexts::load(title));
    editorlayout::setCaption(prompt->GroupActionLabel, SharedTexts::load(label));
    prompt->GroupActionEdit->setText(name);
    prompt->exec();
}

void TGroupForm::reloadKeepingFilter()
{
    const categorykind::Kind& k = kind();
    TDesktopFrame& frame = m_frame;
    (frame.*k.loadCategories)((frame.*k.filter)->currentIndex());
}

void TGroupForm::NewButtonClick()
{
    const categorykind::Kind& k = kind();
    askForName(QStringLiteral("Append"), k.newTitle, k.newLabel, QString());
    if (FGroupName.isEmpty())
        return;
    NewGroupQuery.Close();
    NewGroupQuery.SQL.Clear();
    NewGroupQuery.SQL.Add(k.insertCategory);
    NewGroupQuery.ParamByName("category").Value = FGroupName;
    NewGroupQuery.ExecSQL();
    GroupListBox->addItem(FGroupName);
    reloadKeepingFilter();
}

void TGroupForm::ReNameButtonClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const categorykind::Kind& k = kind();
    askForName(QStringLiteral("ReName"), k.reNameTitle, k.reNameLabel, GroupListBox->item(row)->text());
    if (categorykind::isBlankName(FGroupName))
        return;
    FGroupId = categoryIdAt(row);
    NewGroupQuery.Close();
    NewGroupQuery.SQL.Clear();
    NewGroupQuery.SQL.Add(k.reNameCategory);
    NewGroupQuery.ParamByName("category").Value = FGroupName;
    NewGroupQuery.ParamByName("GroupID").Value = FGroupId;
    if (NewGroupQuery.ExecSQL() == 0) {
        // Deleted meanwhile, by another window or program: the list shows what is stored.
        editorsave::sayEntryGone(this, false);
        reloadKeepingFilter();
        GroupListBox->clear();
        addCachedItems();
        return;
    }
    GroupListBox->item(row)->setText(FGroupName);
    reloadKeepingFilter();
}

void TGroupForm::DeleteButtonClick()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const int id = categoryIdAt(row);
    TDeleteGroupForm* dialog = Application::CreateForm(DeleteGroupForm, m_frame, m_connection);
    // The kind first: it puts the kind's texts in place, and the title below replaces its own.
    dialog->SetGroupKind(FGroupKind);
    dialog->setWindowTitle("Delete'" + GroupListBox->item(row)->text() + "'");
    dialog->FGroupId = id;
    dialog->exec();
}

void TGroupForm::OKButtonClick()
{
    // Every change was written when it was made.
    close();
}

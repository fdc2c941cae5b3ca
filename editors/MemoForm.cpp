#include "editors/MemoForm.h"

#include "common/ListRows.h"
#include "common/MemoRows.h"
#include "common/SharedTexts.h"
#include "desktop/DesktopFrame.h"
#include "editors/EditorLayout.h"
#include "editors/EditorSave.h"
#include "platform/Application.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

TMemoForm::TMemoForm(TDesktopFrame& frame, TADOConnection& connection, QWidget* parent)
    : QDialog(parent), m_frame(frame), m_connection(connection)
{
    createComponents();
    connectEvents();
    FormCreate();
}

void TMemoForm::connectEvents()
{
    connect(OKButton, &QPushButton::clicked, this, guarded(this, &TMemoForm::OKButtonClick));
    connect(CancelButton, &QPushButton::clicked, this, guarded(this, &TMemoForm::CancelButtonClick));
}

void TMemoForm::FormCreate()
{
    ApplyCaptions();
    NewMemoQuery.Connection = &m_connection;
    m_entry = new editorsave::TOpenedEntry(this, m_connection);
    categories::fillCombo(CategoryComboBox, m_frame.FMemoCategories);
    categories::setPosition(CategoryComboBox, 0);
}

void TMemoForm::ApplyCaptions()
{
    editorlayout::setCaption(MemoTitleLabel, SharedTexts::load(65020));
    OKButton->setText(SharedTexts::load(65022));
    CancelButton->setText(SharedTexts::load(65023));
    editorlayout::setCaption(CategoryLB, SharedTexts::load(65021));
}

void TMemoForm::setMemoParams()
{
    // The id kept with the chosen item, not the cache's entry at its position: the cache may
    // have been rebuilt while a modeless editor was open.
    FCategoryId = categories::chosenCategory(CategoryComboBox);
    NewMemoQuery.ParamByName("Categoryid").Value = FCategoryId;
    NewMemoQuery.ParamByName("MMemo").Value = memoText();
}

QString TMemoForm::memoText() const
{
    return FStoredTexts.written(EditMemo, EditMemo->toPlainText());
}

void TMemoForm::OKButtonClick()
{
    TDesktopFrame& frame = m_frame;
    const int shownCategory = frame.FMemoListCategory;
    const auto reloadList = [&frame, shownCategory] { frame.LoadMemoList(shownCategory); };
    if (FEditMode == "Edit" && !m_entry->sameFile()) {
        reloadList();
        return;
    }
    NewMemoQuery.Prepared = true;
    if (FEditMode == "Append") {
        NewMemoQuery.Close();
        NewMemoQuery.SQL.Clear();
        NewMemoQuery.SQL.Add(" Insert Into Mmemo ( MMemo , Categoryid)");
        NewMemoQuery.SQL.Add(" values (  :MMemo ,:Categoryid  )");
        setMemoParams();
        NewMemoQuery.ExecSQL();
        m_entry->afterSave([&] {
            NewMemoQuery.Close();
            NewMemoQuery.SQL.Clear();
            NewMemoQuery.SQL.Add("select id from mmemo order by id desc");
            NewMemoQuery.Open();
            FMemoId = NewMemoQuery.FieldByName("ID").AsInteger();
            NewMemoQuery.Close();
            if (shownCategory == FCategoryId || shownCategory == categories::NoCategory)
                AddListRow();
        });
    }
    if (FEditMode == "Edit") {
        NewMemoQuery.Close();
        NewMemoQuery.SQL.Clear();
        NewMemoQuery.SQL.Add(" update  mmemo set ");
        NewMemoQuery.SQL.Add(" mMemo=:mMemo , ");
        NewMemoQuery.SQL.Add(" Categoryid=:Categoryid ");
        NewMemoQuery.SQL.Add(" where  id=:memoid ");
        setMemoParams();
        NewMemoQuery.ParamByName("memoid").Value = FMemoId;
        if (!m_entry->entryChanged(NewMemoQuery.ExecSQL())) {
            reloadList();
            return;
        }
        m_entry->afterSave([&] {
            if (shownCategory == FCategoryId || shownCategory == categories::NoCategory) {
                UpdateListRow();
            } else if (TListRow* row =
                           listrows::findRow(frame.MemoListView, memorow::Id, QString::number(FMemoId))) {
                // Only the edited entry left the category shown; other selected rows stay.
                listrows::removeRows(frame.MemoListView, {frame.MemoListView->indexOfTopLevelItem(row)});
            }
        });
    }
    close();
}

void TMemoForm::CancelButtonClick()
{
    close();
}

void TMemoForm::AddListRow()
{
    TDesktopFrame& frame = m_frame;
    const QString text = memoText();
    auto row =
        std::make_unique<TListRow>(memorow::places(text, CategoryComboBox->currentText(),
                                                   QString::number(FMemoId), QString::number(FCategoryId)),
                                   &frame.FMemoSortColumn);
    listrows::insertSorted(frame.MemoListView, std::move(row), frame.FMemoSortColumn);
}

void TMemoForm::UpdateListRow()
{
    TDesktopFrame& frame = m_frame;
    TListRow* row = listrows::findRow(frame.MemoListView, memorow::Id, QString::number(FMemoId));
    if (!row)
        return;
    const QString text = memoText();
    frame.ToDoMemo->setPlainText(text);
    const QString id = row->text(memorow::Id);
    row->setPlaces(memorow::places(text, CategoryComboBox->currentText(), id, QString::number(FCategoryId)));
    listrows::sortBy(frame.MemoListView, frame.FMemoSortColumn);
    categories::setPosition(frame.ToDoMemoComboBox,
                            categories::positionOfId(frame.FMemoCategories, FCategoryId));
}

void TMemoForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

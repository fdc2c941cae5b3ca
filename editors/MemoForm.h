#pragma once

// The Password editor: the free text of a Password entry and its category. OK inserts
// ("Append") or updates ("Edit") the entry and brings the desktop frame's Password list up
// to date by itself: it adds the new row, rewrites the edited one together with the frame's
// pane of the selected entry, or takes the edited row out when the entry left the category
// the list shows. The frame creates it anew for every use.

#include "editors/StoredTexts.h"
#include "platform/Database.h"

#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TDesktopFrame;

namespace editorsave {
class TOpenedEntry;
}

class TMemoForm : public QDialog
{
    Q_OBJECT
public:
    TMemoForm(TDesktopFrame& frame, TADOConnection& connection, QWidget* parent = nullptr);

    // "Append" or "Edit", compared exactly; any other mode makes OK only close the editor.
    QString FEditMode;
    int FMemoId = 0;
    // The category chosen for the entry, set while OK fills the statement.
    int FCategoryId = -1;
    // The edited entry's text as stored; whoever opens the editor fills the text box through it.
    TStoredTexts FStoredTexts;

    void FormCreate();
    void ApplyCaptions();
    void OKButtonClick();
    void CancelButtonClick();
    void AddListRow();
    void UpdateListRow();

    QFrame* Panel1;
    QFrame* Panel2;
    QLabel* MemoTitleLabel;
    QPlainTextEdit* EditMemo;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QLabel* CategoryLB;
    QComboBox* CategoryComboBox;
    TADOQuery NewMemoQuery;

protected:
    // Esc is given no meaning: the editor closes only by its buttons and its close box.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createComponents();
    void connectEvents();
    void setMemoParams();
    // The text to write and to list: as typed, or as stored when the user changed nothing.
    QString memoText() const;
    TDesktopFrame& m_frame;
    TADOConnection& m_connection;
    editorsave::TOpenedEntry* m_entry = nullptr;
};

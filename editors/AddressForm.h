#pragma once

// The address editor: the thirteen texts of an address-book entry and its group. OK inserts
// ("Append") or updates ("Edit") the entry and brings the desktop frame's address list up
// to date by itself: it adds the new row, rewrites the edited one, or takes the edited row
// out when the entry left the category the list shows. The frame creates it anew for every
// use; a new entry's editor is modeless, an edited entry's modal.

#include "common/AddressRows.h"
#include "editors/StoredTexts.h"
#include "platform/Database.h"

#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace editorsave {
class TOpenedEntry;
}
class TLabeledEdit;

class TDesktopFrame;
class TAddressForm : public QDialog
{
    Q_OBJECT
public:
    TAddressForm(TDesktopFrame& frame, TADOConnection& connection, QWidget* parent = nullptr);

    // "Append" or "Edit", compared exactly; any other mode makes OK only close the editor.
    QString FEditMode;
    int FAddressId = 0;
    // The category chosen for the entry, set while OK fills the statement.
    int FCategoryId = -1;
    // The edited entry's texts as stored; whoever opens the editor fills the fields through it.
    TStoredTexts FStoredTexts;

    void FormCreate();
    void ApplyCaptions();
    void SetAddressParams();
    void OKButtonClick();
    void ExitButtonClick();
    void AddListRow();
    void UpdateListRow();

    QTabWidget* PageControl1;
    QWidget* TabGeneral;
    QFrame* NameGroup;
    QLabel* leTName;
    QFrame* AddressGroup;
    QLabel* leTAddress;
    QFrame* ContactGroup;
    QLabel* leTContact;
    TLabeledEdit* leFirstName;
    TLabeledEdit* leLastName;
    TLabeledEdit* leTitle;
    TLabeledEdit* leCompanyName;
    QLabel* leAddress;
    QPlainTextEdit* meAddress;
    TLabeledEdit* leCity;
    TLabeledEdit* leZip;
    TLabeledEdit* leNation;
    TLabeledEdit* leOfficephone;
    TLabeledEdit* leHomePhone;
    TLabeledEdit* leFax;
    TLabeledEdit* leMobile;
    TLabeledEdit* leEmail;
    QPushButton* OKButton;
    QPushButton* ExitButton;
    QLabel* leGroup;
    QComboBox* GroupComboBox;
    TADOQuery NewAddressQuery;

protected:
    // Esc is given no meaning: the editor closes only by its buttons and its close box.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createComponents();
    void connectEvents();
    // The texts to write and to list: as typed, or as stored where the user changed nothing.
    TAddressFields fields() const;
    TDesktopFrame& m_frame;
    TADOConnection& m_connection;
    editorsave::TOpenedEntry* m_entry = nullptr;
};

#pragma once

// The category name prompt: asks for the name of a new category or the new name of one, and
// hands the name back through FGroupName of the category list dialog in GroupForm, which
// writes it. OK refuses a name of blanks only; Cancel, Esc and the close box hand back the
// empty name, on which the list dialog writes nothing.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TNewGroupForm : public QDialog
{
    Q_OBJECT
public:
    explicit TNewGroupForm(QWidget* parent = nullptr);

    // "Group" or "Memo".
    QString FGroupKind;
    // "Append" (New) or "ReName".
    QString FGroupAction;

    void OKButtonClick();
    void CancelButtonClick();

    QLabel* GroupActionLabel;
    QLineEdit* GroupActionEdit;
    QPushButton* OKButton;
    QPushButton* CancelButton;

public slots:
    // Reached by Esc and the close box: they count as Cancel, so the list dialog never acts on
    // a name handed back by an earlier prompt.
    void reject() override;

private:
    void createComponents();
    void connectEvents();
};

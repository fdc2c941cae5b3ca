#pragma once

// The category delete dialog: deletes one category after the user has chosen what becomes of
// its members (choice 0: they lose their category; choice 1: they are deleted with it), then
// rebuilds the desktop frame's categories and list and takes the category out of the list
// dialog in GroupForm. The list dialog creates it anew for every deletion, sets its kind, its
// title and the category's id, and shows it modally.

#include "editors/CategoryKinds.h"
#include "platform/Database.h"

#include <QDialog>
#include <initializer_list>
#include <utility>

class QPushButton;
class TRadioGroup;

class TDesktopFrame;
class TDeleteGroupForm : public QDialog
{
    Q_OBJECT
public:
    TDeleteGroupForm(TDesktopFrame& frame, TADOConnection& connection, QWidget* parent = nullptr);

    // "Group" or "Memo"; setting it puts the kind's texts in place.
    void SetGroupKind(const QString& kind);
    // The category to delete.
    int FGroupId = 0;

    void ApplyGroupCaptions();
    void ApplyCategoryCaptions();
    void OKButtonClick();
    void CancelButtonClick();

    TRadioGroup* DeleteGroup;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    TADOQuery DeleteGroupQuery;

protected:
    // Esc is given no meaning: the dialog closes by its buttons and its close box.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createComponents();
    void connectEvents();
    void applyCaptions(int keepMembers, int deleteMembers, int ok, int cancel, int title);
    // Runs a statement of two lines on DeleteGroupQuery with its parameters.
    void execute(const categorykind::TwoLines& lines,
                 std::initializer_list<std::pair<const char*, int>> params);

    QString FGroupKind;
    TDesktopFrame& m_frame;
    TADOConnection& m_connection;
};

#pragma once

// The category list dialog: the categories of one kind ("Group": the address groups, "Memo":
// the Password categories) with New, ReName and Delete. Every change is written at once and
// the desktop frame's caches, combos, submenus and list are rebuilt right after it. The
// frame's Category buttons create it anew for every use, set its kind and show it modally.
//
// The name prompt hands its answer back through FGroupName; the delete dialog does its own
// work and takes the deleted entry out of GroupListBox.

#include "platform/Database.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace categorykind {
struct Kind;
}

class TDesktopFrame;
class TGroupForm : public QDialog
{
    Q_OBJECT
public:
    TGroupForm(TDesktopFrame& frame, TADOConnection& connection, QWidget* parent = nullptr);

    // "Group" or "Memo", set before the dialog is shown.
    QString FGroupKind;
    // The category being given a new name.
    int FGroupId = 0;
    // The name prompt's answer: the accepted text, or empty after Cancel.
    QString FGroupName;

    void FormShow();
    void ApplyGroupCaptions();
    void ApplyCategoryCaptions();
    void NewButtonClick();
    void ReNameButtonClick();
    void DeleteButtonClick();
    void OKButtonClick();

    // The row of the selected entry of GroupListBox, -1 when none is selected.
    int selectedRow() const;
    // Takes the selected entry out and leaves none selected, so no neighbour is deleted or
    // renamed by a click meant for the entry that is gone.
    void removeSelectedEntry();

    QLabel* leGroup;
    QListWidget* GroupListBox;
    QPushButton* OKButton;
    QPushButton* NewButton;
    QPushButton* DeleteButton;
    QPushButton* ReNameButton;
    TADOQuery NewGroupQuery;

protected:
    void showEvent(QShowEvent* event) override;
    // Esc is given no meaning: the dialog closes by OK and its close box.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createComponents();
    void connectEvents();
    const categorykind::Kind& kind() const;
    void applyCaptions(const categorykind::Kind& kind);
    // Shows a fresh name prompt for `action` with `name` in its edit.
    void askForName(const QString& action, int title, int label, const QString& name);
    // The id of the cache entry that list row `row` stands for.
    int categoryIdAt(int row) const;
    // The frame's categories of the kind read again, the filter kept at its position.
    void reloadKeepingFilter();
    void addCachedItems();
    TDesktopFrame& m_frame;
    TADOConnection& m_connection;
};

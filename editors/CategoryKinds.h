#pragma once

// The two kinds of category the category dialogs manage: "Group" (the address groups, table
// category, members in address) and "Memo" (the Password categories, table mcategory, members
// in mmemo). Everything in which the kinds differ is one row of a table here; the dialogs'
// steps are the same for both.

#include "desktop/Categories.h"

#include <QString>
#include <array>

class QComboBox;
class TDesktopFrame;

namespace categorykind {

// A statement of two lines.
using TwoLines = std::array<QLatin1String, 2>;

struct Kind
{
    QLatin1String name;
    // The list dialog's title, label, OK, New, Delete and ReName (ids of shared texts).
    int listTitle, listLabel, listOk, listNew, listDelete, listReName;
    // The name prompt's title and label for New and for ReName.
    int newTitle, newLabel, reNameTitle, reNameLabel;
    // The prompt's refusal of an empty name.
    QLatin1String emptyNameMessage;
    // The delete dialog's two choices, OK, Cancel and title.
    int keepMembersChoice, deleteMembersChoice, deleteOk, deleteCancel, deleteTitle;
    // The statements, one line each or two, exactly as the engine gets them.
    QLatin1String insertCategory;
    QLatin1String reNameCategory;
    TwoLines deleteCategory;
    TwoLines clearMembersCategory;
    TwoLines deleteMembers;
    // What the kind reads and reloads on the desktop frame.
    TCategoryList TDesktopFrame::*cache;
    QComboBox* TDesktopFrame::*filter;
    void (TDesktopFrame::*loadCategories)(int);
    void (TDesktopFrame::*loadList)(int);
};

// nullptr for any text other than "Group" or "Memo" (compared exactly).
const Kind* find(const QString& kind);
// Raises an error for a kind that is neither.
const Kind& of(const QString& kind);

// True when the name holds nothing but blanks and control characters.
bool isBlankName(const QString& name);

} // namespace categorykind

#include "editors/CategoryKinds.h"

#include "desktop/DesktopFrame.h"

#include <algorithm>
#include <stdexcept>

namespace categorykind {

namespace {

using L = QLatin1String;

// The statements' blanks are part of them.
const Kind Kinds[] = {
    {.name = L("Group"),
     .listTitle = 65117,
     .listLabel = 65118,
     .listOk = 65099,
     .listNew = 65119,
     .listDelete = 65088,
     .listReName = 65089,
     .newTitle = 65090,
     .newLabel = 65091,
     .reNameTitle = 65092,
     .reNameLabel = 65093,
     .emptyNameMessage = L("Please Input  Group Name."),
     .keepMembersChoice = 65095,
     .deleteMembersChoice = 65096,
     .deleteOk = 65099,
     .deleteCancel = 65100,
     .deleteTitle = 65094,
     .insertCategory = L("insert into category ( category ) values (:category) "),
     .reNameCategory = L("update  category  set category=:category  where ID=:GroupID "),
     .deleteCategory = {L(" delete from category where "), L(" id=:id")},
     .clearMembersCategory = {L(" update  address  set categoryID=:GroupID "),
                              L(" where categoryID=:DeleteGroupID")},
     .deleteMembers = {L(" delete from address where "), L(" categoryid=:id")},
     .cache = &TDesktopFrame::FAddressCategories,
     .filter = &TDesktopFrame::ComboAddress,
     .loadCategories = &TDesktopFrame::LoadAddressCategories,
     .loadList = &TDesktopFrame::LoadAddressList},
    {.name = L("Memo"),
     .listTitle = 65024,
     .listLabel = 65025,
     .listOk = 65036,
     .listNew = 65026,
     .listDelete = 65027,
     .listReName = 65028,
     .newTitle = 65029,
     .newLabel = 65030,
     .reNameTitle = 65031,
     .reNameLabel = 65032,
     .emptyNameMessage = L("Please Input  Category  Name."),
     .keepMembersChoice = 65034,
     .deleteMembersChoice = 65035,
     .deleteOk = 65036,
     .deleteCancel = 65037,
     .deleteTitle = 65033,
     .insertCategory = L("insert into mcategory ( category ) values (:category) "),
     .reNameCategory = L("update  mcategory  set category=:category  where ID=:GroupID "),
     .deleteCategory = {L(" delete from mcategory where "), L(" id=:id")},
     .clearMembersCategory = {L(" update  mmemo  set categoryID=:GroupID "),
                              L(" where categoryID=:DeleteGroupID")},
     .deleteMembers = {L(" delete from mmemo where "), L(" categoryid=:id")},
     .cache = &TDesktopFrame::FMemoCategories,
     .filter = &TDesktopFrame::ComboMemo,
     .loadCategories = &TDesktopFrame::LoadMemoCategories,
     .loadList = &TDesktopFrame::LoadMemoList},
};

} // namespace

const Kind* find(const QString& kind)
{
    for (const Kind& candidate : Kinds)
        if (kind == candidate.name)
            return &candidate;
    return nullptr;
}

const Kind& of(const QString& kind)
{
    if (const Kind* found = find(kind))
        return *found;
    throw std::invalid_argument(QStringLiteral("Unknown category kind '%1'").arg(kind).toStdString());
}

bool isBlankName(const QString& name)
{
    return std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() <= ' '; });
}

} // namespace categorykind

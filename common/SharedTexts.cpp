#include "common/SharedTexts.h"

#include <algorithm>
#include <array>

namespace SharedTexts {
namespace {

struct Entry
{
    int id;
    const char* text;
};

// Sorted by id for the binary search. Several ids carry the same wording on purpose: each
// caller names its own id, so entries are never merged.
constexpr std::array kEntries{
    Entry{64944, "Disk %s is full. ( %.0n bytes free)"},
    Entry{64945, "Mobile Disk is full. ( %.0n bytes free)"},
    Entry{64946, "Synchronize completed."},
    Entry{64947, "Syncronize fail."},
    Entry{64960, "PC"},
    Entry{64961, "Mobile Disk"},
    Entry{64962, "Include SubDirectory"},
    Entry{64963, "Direction"},
    Entry{64964, "File Name"},
    Entry{64965, "Size"},
    Entry{64966, "Modified"},
    Entry{64967, "Total: %d"},
    Entry{64968, "PC Changed: %d"},
    Entry{64969, "Mobile Changed: %d"},
    Entry{64970, "Select directory of PC side:"},
    Entry{64971, "Select directory of Mobile Disk:"},
    Entry{64972, "Must be a logic disk."},
    Entry{64973, "Select a sync profile first."},
    Entry{64974, "Analyse completed, execute synchronize ?"},
    Entry{64975, "The source path and destance path is the same."},
    Entry{64976, "Synchronize"},
    Entry{64977, "My Documents"},
    Entry{64978, "My Favorites"},
    Entry{64979, "Browse"},
    Entry{64980, "&OK"},
    Entry{64981, "&Cancel"},
    Entry{64982, "&File"},
    Entry{64983, "Crate &New Sync"},
    Entry{64984, "&Properties"},
    Entry{64985, "Analyse/Sync"},
    Entry{64986, "&Analyse"},
    Entry{64987, "&Synchronize"},
    Entry{64988, "E&xit"},
    Entry{64989, "&Action"},
    Entry{64990, "Synchronize Profiles"},
    Entry{64991, "Profile Name"},
    Entry{64992, "Edit Expense"},
    Entry{64993, "Expense"},
    Entry{64994, "Expense"},
    Entry{64995, "Item"},
    Entry{64996, "Amount"},
    Entry{64997, "Date"},
    Entry{64998, "ToDay"},
    Entry{64999, "OK"},
    Entry{65000, "Cancel"},
    Entry{65001, "Create New Sync Profile"},
    Entry{65002, "Modify Sync Profile"},
    Entry{65003, "New Sync"},
    Entry{65004, "Properties"},
    Entry{65005, "Delete"},
    Entry{65006, "Analyse/Sync"},
    Entry{65007, "Analyse"},
    Entry{65008, "Description"},
    Entry{65009, "Category"},
    Entry{65010, "New Password"},
    Entry{65011, "Edit Password"},
    Entry{65012, "Sort"},
    Entry{65013, "Date"},
    Entry{65014, "Item"},
    Entry{65015, "Amount"},
    Entry{65016, "New Expense"},
    Entry{65017, "Edit Expense"},
    Entry{65018, "Total:"},
    Entry{65019, "Password"},
    Entry{65020, "Password"},
    Entry{65021, "Category"},
    Entry{65022, "OK"},
    Entry{65023, "Cancel"},
    Entry{65024, "Edit Password Category "},
    Entry{65025, "Category"},
    Entry{65026, "New"},
    Entry{65027, "Delete"},
    Entry{65028, "ReName"},
    Entry{65029, "New Category"},
    Entry{65030, "New Category Name"},
    Entry{65031, "ReName Category"},
    Entry{65032, "ReName Category Name"},
    Entry{65033, "Delete"},
    Entry{65034, "Delete the Category and move the contacts into others. (distribution lists)"},
    Entry{65035, "Delete all items of this Category (distribution lists)"},
    Entry{65036, "OK"},
    Entry{65037, "Cancel"},
    Entry{65038, "Category"},
    Entry{65039, "Category.."},
    Entry{65040, "Cell Phone"},
    Entry{65041, "Day"},
    Entry{65042, "Week"},
    Entry{65043, "Address"},
    Entry{65044, "&Go To Day"},
    Entry{65045, "&ToDay"},
    Entry{65046, "&New Event"},
    Entry{65047, "&Edit Event"},
    Entry{65048, "New Event"},
    Entry{65049, "Edit Event"},
    Entry{65050, "Delete Event"},
    Entry{65051, "New Event"},
    Entry{65052, "Edit Event"},
    Entry{65053, "Date"},
    Entry{65054, "Event"},
    Entry{65055, "Time"},
    Entry{65056, "Delete Address"},
    Entry{65057, "Select All"},
    Entry{65058, "Change Category"},
    Entry{65059, "LastName"},
    Entry{65060, "FirstName"},
    Entry{65061, "email"},
    Entry{65062, "Category"},
    Entry{65063, "Title"},
    Entry{65064, "Company"},
    Entry{65065, "Address"},
    Entry{65066, "City"},
    Entry{65067, "Zip"},
    Entry{65068, "Nation"},
    Entry{65069, "Office Phone"},
    Entry{65070, "Home   Phone"},
    Entry{65071, "Fax"},
    Entry{65074, "File"},
    Entry{65075, "Import Address"},
    Entry{65076, "Print"},
    Entry{65077, "Exit"},
    Entry{65078, "Help"},
    Entry{65079, "Tessary Help"},
    Entry{65080, "Tessary Homepage"},
    Entry{65081, "Ambrel Homepage"},
    Entry{65082, "Category"},
    Entry{65083, "Category"},
    Entry{65084, "New Address"},
    Entry{65085, "Edit Address"},
    Entry{65086, "New Address"},
    Entry{65087, "Edit Address"},
    Entry{65088, "Delete"},
    Entry{65089, "ReName"},
    Entry{65090, "New Group"},
    Entry{65091, "New Group Name"},
    Entry{65092, "ReName Group"},
    Entry{65093, "ReName Group Name"},
    Entry{65094, "Delete"},
    Entry{65095, "Delete the group and move the contacts into others. (distribution lists)"},
    Entry{65096, "Delete all items of this group (distribution lists)"},
    Entry{65097, "SelectDay"},
    Entry{65098, "ToDay"},
    Entry{65099, "OK"},
    Entry{65100, "Cancel"},
    Entry{65104, "Email"},
    Entry{65105, "Name"},
    Entry{65106, "Address"},
    Entry{65107, "Contact"},
    Entry{65108, "Category"},
    Entry{65109, "Print"},
    Entry{65110, "Printer"},
    Entry{65111, "Name"},
    Entry{65112, "Status"},
    Entry{65113, "Copy Options"},
    Entry{65114, "Number of Copy"},
    Entry{65115, "Printing"},
    Entry{65116, "not ready"},
    Entry{65117, "Edit Address Group "},
    Entry{65118, "Group"},
    Entry{65119, "New"},
    Entry{65122, "Address"},
    Entry{65123, "General"},
    Entry{65124, "Last Name"},
    Entry{65125, "First Name"},
    Entry{65126, "Title"},
    Entry{65127, "Company"},
    Entry{65128, "Address"},
    Entry{65129, "City"},
    Entry{65130, "Zip"},
    Entry{65131, "Country"},
    Entry{65132, "Work Phone"},
    Entry{65133, "Home Phone"},
    Entry{65134, "Fax"},
    Entry{65135, "Cell Phone"},
};

constexpr bool isSortedAndUnique()
{
    for (std::size_t i = 1; i < kEntries.size(); ++i) {
        if (kEntries[i - 1].id >= kEntries[i].id)
            return false;
    }
    return true;
}
static_assert(isSortedAndUnique(), "text ids must be ascending and unique");

} // namespace

QString load(int id)
{
    const auto it = std::lower_bound(kEntries.begin(), kEntries.end(), id,
                                     [](const Entry& entry, int key) { return entry.id < key; });
    if (it == kEntries.end() || it->id != id)
        return QString();
    return QString::fromLatin1(it->text);
}

QList<int> ids()
{
    QList<int> result;
    result.reserve(static_cast<qsizetype>(kEntries.size()));
    for (const Entry& entry : kEntries)
        result.append(entry.id);
    return result;
}

} // namespace SharedTexts

// delete-bench: times deleting 1,000 selected entries of the address list through the list's own
// delete command against one bare "delete ... where id in (...)" of the same entries in one
// transaction, in one process, alternating the two. Before every run, untimed, the entries are
// put back and the list is loaded and the same entries selected again. Prints
//   bench address-delete: ours <ms> reference <ms> ratio <r> (target <= 3)
#include "bench/BenchSupport.h"
#include "common/AddressRows.h"
#include "common/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "platform/SystemInfo.h"

#include <QStringList>
#include <QTreeWidget>
#include <set>
#include <stdexcept>

namespace {

constexpr int Deleted = 1000;

void run(const QString& folder, int runs)
{
    platform::sys::setProgramFolder(folder);
    bench::Database reference(folder + "desktop.mdb", bench::Database::Access::ReadWrite);
    // Every twentieth entry, so that the selection is spread over the whole list.
    reference.execute("create temp table kept as select * from address where id % 20 = 0 order by id limit " +
                      QString::number(Deleted));
    QStringList ids;
    std::set<QString> idTexts;
    reference.drain("select id from kept", [&](sqlite3_stmt* row) {
        const QString id = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(row, 0)));
        ids << id;
        idTexts.insert(id);
    });
    if (ids.size() != Deleted)
        throw std::runtime_error("the folder's desktop.mdb should hold at least 20,000 addresses");
    const QString bareDelete = "delete from address where id in (" + ids.join(',') + ")";

    TDesktopFrame* frame = bench::showMainWindow();
    frame->AddressSpeedButtonClick();
    frame->ToolPageControl->setActivePageIndex(2);
    QTreeWidget* list = frame->AddressListView;

    auto prepare = [&] {
        reference.execute("insert or ignore into address select * from kept");
        frame->LoadAddressList(-1);
        list->clearSelection();
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = list->topLevelItem(row);
            if (idTexts.count(item->text(addressrow::Id).trimmed()))
                item->setSelected(true);
        }
    };
    bench::compareChanges(
        "address-delete", 3, runs, prepare, [&] { frame->miDeleteAddressClick(); },
        [&] {
            reference.execute("begin");
            reference.execute(bareDelete);
            reference.execute("commit");
        });
    prepare();
}

} // namespace

int main(int argc, char** argv)
{
    return bench::runProgram(
        argc, argv, "delete-bench",
        "The folder's desktop.mdb should hold the seeded addresses; it is left as it was.", run);
}

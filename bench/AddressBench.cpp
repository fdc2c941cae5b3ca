// address-bench: times the address list against a bare read of the same rows, in one process,
// alternating the two so that a drift in the machine's speed hits both alike:
//   address-load    the list loaded with every entry (target <= 3 times the bare read)
//   address-resort  the list sorted again by another column (target <= the bare read)
// The bare read runs the loader's select through the SQLite API and touches every value. Each
// line reads
//   bench <name>: ours <ms> reference <ms> ratio <r> (target <= <t>)
// with the medians of the two times and of the pairwise ratios.
#include "bench/BenchSupport.h"
#include "common/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "platform/SystemInfo.h"

#include <QTreeWidget>
#include <stdexcept>

namespace {

const QByteArray LoaderSelect =
    "  Select \n  id, FirstName , LastName , Title  \n, CompanyName , Address , City \n"
    ", Zip         , Nation  , OfficePhone \n"
    ", HomePhone   , Fax     , Mobile , Email , Categoryid \n"
    "  from  address \n where categoryid >= -1 ";

void run(const QString& folder, int runs)
{
    platform::sys::setProgramFolder(folder);
    bench::Database reference(folder + "desktop.mdb", bench::Database::Access::ReadOnly);
    const int entries = reference.drain(LoaderSelect);

    TDesktopFrame* frame = bench::showMainWindow();
    frame->AddressSpeedButtonClick();
    frame->ToolPageControl->setActivePageIndex(2);
    QTreeWidget* list = frame->AddressListView;
    // The rows in place and laid out by the view (the view lays out lazily, before it paints;
    // asking where a row stands makes it do so now). Drawing the visible rows costs the same
    // for any number of rows and is left out.
    auto show = [list] { list->visualItemRect(list->topLevelItem(0)); };

    bench::compare(
        "address-load", 3, runs,
        [&] {
            frame->LoadAddressList(-1);
            show();
        },
        [&] { reference.drain(LoaderSelect); });
    if (list->topLevelItemCount() != entries)
        throw std::runtime_error(QString("the list shows %1 of %2 entries")
                                     .arg(list->topLevelItemCount())
                                     .arg(entries)
                                     .toStdString());

    // Every run sorts by a column other than the one the list stands in.
    list->topLevelItem(entries / 2)->setSelected(true);
    int turn = 0;
    bench::compare(
        "address-resort", 1, runs,
        [&] {
            frame->AddressListViewColumnClick(++turn % 2 ? 1 : 7);
            show();
        },
        [&] { reference.drain(LoaderSelect); });
}

} // namespace

int main(int argc, char** argv)
{
    return bench::runProgram(argc, argv, "address-bench",
                             "The folder's desktop.mdb should hold the seeded addresses.", run);
}

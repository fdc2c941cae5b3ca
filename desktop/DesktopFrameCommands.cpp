// The frame's commands that serve more than one page: the Help and Print menu items, the
// width rules of the tool column and of the list pages' splitters, and the wiring of the
// contact list.
#include "common/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DesktopStarts.h"
#include "desktop/EventWatcher.h"
#include "desktop/PaneSplitter.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/SystemInfo.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QLayout>
#include <QTreeView>
#include <functional>

namespace {

const QString MakerSite = "http://www.ambrel.example/";
constexpr int SplitterMinSize = 190;

// The report that prints what a page of the frame shows; none for the disk pages.
QString reportKindOfPage(int page)
{
    switch (page) {
    case 0:
    case 1:
        return "Date";
    case 2:
        return "Address";
    case 3:
        return "Memo";
    case 4:
        return "Expense";
    default:
        return QString();
    }
}

} // namespace

void TDesktopFrame::connectFrameCommands()
{
    prepareContactList();
    connect(ContactListView, &QAbstractItemView::doubleClicked, this,
            guarded(this, &TDesktopFrame::ContactListViewDblClick));
    connect(miPrint, &QAction::triggered, this, guarded(this, &TDesktopFrame::miPrintClick));
    connect(miTessaryHelp, &QAction::triggered, this, guarded(this, &TDesktopFrame::miTessaryHelpClick));
    connect(miTessary, &QAction::triggered, this, guarded(this, &TDesktopFrame::HelpToolButtonClick));
    connect(miAmbrelHomepage, &QAction::triggered, this,
            guarded(this, &TDesktopFrame::miAmbrelHomepageClick));
    new EventWatcher(ToolPanel, QEvent::Resize, [this] { ToolPanelResize(); });
}

void TDesktopFrame::connectSplitters()
{
    const auto canResize = [this](QObject* sender, int* newSize, bool* accept) {
        AddressSplitterCanResize(sender, newSize, accept);
    };
    for (QFrame* strip : {AddressSplitter, Splitter2, Splitter3})
        new TPaneSplitter(strip, SplitterMinSize, canResize);
}

void TDesktopFrame::ToolPanelResize()
{
    for (QWidget* control : ToolPanel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // A control aligned to the panel takes its width from its alignment.
        if (ToolPanel->layout() && ToolPanel->layout()->indexOf(control) >= 0)
            continue;
        control->resize(ToolPanel->width() - 1, control->height());
    }
}

void TDesktopFrame::AddressSplitterCanResize(QObject*, int* NewSize, bool* Accept)
{
    // Each splitter judges the pane it moves by the width the move would give it, so a pane
    // at its narrowest can always be widened again.
    *Accept = *NewSize > SplitterMinSize;
}

void TDesktopFrame::miTessaryHelpClick()
{
    platform::dialogs::shellExecute("open", QDir(platform::sys::programFolder()).filePath("tesshelp.chm"));
}

void TDesktopFrame::HelpToolButtonClick()
{
    platform::dialogs::shellExecute("open", "IEXPLORE.EXE", MakerSite + "tessary/");
}

void TDesktopFrame::NewsToolButtonClick()
{
    platform::dialogs::shellExecute("open", "IEXPLORE.EXE", MakerSite + "tessary/news.htm");
}

void TDesktopFrame::miAmbrelHomepageClick()
{
    platform::dialogs::shellExecute("open", "IEXPLORE.EXE", MakerSite);
}

void TDesktopFrame::miPrintClick()
{
    // Without a report kind the dialog prints nothing, so the menu prints what the shown page holds.
    starts().print(FCurrentDate, reportKindOfPage(ToolPageControl->ActivePageIndex()));
}

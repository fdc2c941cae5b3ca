#include "desktop/QuorvaneFrame.h"

#include "common/widgets/TImage.h"
#include "common/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "desktop/DesktopStarts.h"
#include "desktop/DriveBanner.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"

#include <QTabWidget>
#include <QToolButton>

namespace {

constexpr int LastPage = 6;

void drawBanner(TImage* image)
{
    DrawDriveBanner(image->canvas());
    image->update();
}

// Loads a page's lists, then shows the page; a page whose data is damaged still comes up with
// what could be read before the error is reported, and the other pages stay within reach.
template <class Load, class Show> void loadThenShow(Load load, Show show)
{
    try {
        load();
    } catch (...) {
        show();
        throw;
    }
    show();
}

} // namespace

TQuorvaneFrame::TQuorvaneFrame(Copy copy, QWidget* parent) : QFrame(parent)
{
    createComponents(copy);
    connectEvents(copy);
}

void TQuorvaneFrame::connectEvents(Copy copy)
{
    const auto onClick = [this](QToolButton* button, void (TQuorvaneFrame::*handler)()) {
        connect(button, &QToolButton::clicked, this, guarded(this, handler));
    };
    onClick(sbSchedule, &TQuorvaneFrame::sbScheduleClick);
    onClick(sbAddress, &TQuorvaneFrame::sbAddressClick);
    onClick(sbMemo, &TQuorvaneFrame::sbMemoClick);
    onClick(sbExpense, &TQuorvaneFrame::sbExpenseClick);
    onClick(sbPassword, &TQuorvaneFrame::sbPasswordClick);
    onClick(sbGhosted, &TQuorvaneFrame::sbUnGhostClick);
    onClick(sbUnGhost, &TQuorvaneFrame::sbUnGhostClick);
    onClick(MP3SpeedButton, &TQuorvaneFrame::MP3SpeedButtonClick);
    // The desktop frame binds Backup and Email of its copy to its own forwarders; Restore
    // in the sync view's copy is bound to nothing.
    if (copy == Copy::Desktop) {
        onClick(sbRestore, &TQuorvaneFrame::sbRestoreClick);
    } else {
        onClick(sbBackup, &TQuorvaneFrame::sbBackupClick);
        onClick(sbEmail, &TQuorvaneFrame::sbEmailClick);
    }
}

void TQuorvaneFrame::SetGhosted(bool) {}

TDesktopFrame* TQuorvaneFrame::desktopFrame() const
{
    if (!m_desktop)
        throw std::runtime_error("The tool panel is not attached to the desktop frame.");
    return m_desktop;
}

void TQuorvaneFrame::showTabs(int first, int last, bool visible) const
{
    TPageControl* pages = desktopFrame()->ToolPageControl;
    for (int i = first; i <= last; ++i)
        pages->setTabVisible(i, visible);
}

QWidget* TQuorvaneFrame::holder() const
{
    return parentWidget() ? parentWidget()->parentWidget() : nullptr;
}

void TQuorvaneFrame::showDesktopPage(int page)
{
    TDesktopFrame* desktop = desktopFrame();
    desktop->ToolPageControl->setActivePageIndex(page);
    desktop->show();
    QWidget* frame = holder();
    if (frame && frame != desktop)
        frame->hide();
}

void TQuorvaneFrame::sbScheduleClick()
{
    loadThenShow([this] { desktopFrame()->LoadContactList(); },
                 [this] {
                     showTabs(0, 1, true);
                     showTabs(2, LastPage, false);
                     showDesktopPage(0);
                 });
}

void TQuorvaneFrame::sbAddressClick()
{
    TDesktopFrame* desktop = desktopFrame();
    loadThenShow(
        [desktop] {
            desktop->LoadAddressCategories(0);
            desktop->LoadAddressList(-1);
        },
        [this] {
            // The Backup and Restore tabs keep whatever visibility they had.
            showTabs(0, 4, false);
            showDesktopPage(2);
        });
}

void TQuorvaneFrame::sbMemoClick()
{
    TDesktopFrame* desktop = desktopFrame();
    loadThenShow(
        [desktop] {
            desktop->LoadMemoCategories(0);
            desktop->LoadMemoList(-1);
        },
        [this] {
            showTabs(0, LastPage, false);
            showDesktopPage(3);
        });
}

void TQuorvaneFrame::sbExpenseClick()
{
    loadThenShow([this] { desktopFrame()->LoadExpenseList(0); },
                 [this] {
                     showTabs(0, LastPage, false);
                     showDesktopPage(4);
                 });
}

void TQuorvaneFrame::sbPasswordClick()
{
    showTabs(0, LastPage, false);
    showDesktopPage(5);
}

void TQuorvaneFrame::sbBackupClick()
{
    TDesktopFrame* desktop = desktopFrame();
    const bool fromSyncView = holder() != desktop;
    showTabs(0, LastPage, false);
    desktop->PageControl1->setCurrentIndex(0);
    showDesktopPage(5);
    // The desktop frame's picture carries the banner drawn when it was first shown.
    if (fromSyncView)
        drawBanner(desktop->BackupImage);
}

void TQuorvaneFrame::sbRestoreClick()
{
    TDesktopFrame* desktop = desktopFrame();
    showTabs(0, LastPage, false);
    desktop->ListBackups();
    drawBanner(desktop->RestoreImage);
    showDesktopPage(6);
}

void TQuorvaneFrame::sbUnGhostClick()
{
    sbUnGhost->setVisible(sbUnGhost->isHidden());
    sbGhosted->setVisible(sbGhosted->isHidden());
    if (!sbGhosted->isHidden())
        platform::dialogs::shellExecute("open", "IEXPLORE.EXE");
}

void TQuorvaneFrame::MP3SpeedButtonClick()
{
    desktopFrame()->starts().readerForm();
}

// There is no e-mail view.
void TQuorvaneFrame::sbEmailClick() {}

void TQuorvaneFrame::FrameResize()
{
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->resize(width() - 1, control->height());
}

void TQuorvaneFrame::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    runGuarded([this] { FrameResize(); });
}

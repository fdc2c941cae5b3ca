#include "desktop/QuorvaneFrame.h"

#include "app/Forms.h"
#include "app/MainDesktopForm.h"
#include "common/widgets/TImage.h"
#include "common/widgets/TPageControl.h"
#include "desktop/DesktopFrame.h"
#include "mobile/PelloranFrame.h"
#include "reader/ReaderForm.h"
#include "support/TessaryTest.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {

// True when some pixel of the picture has been drawn on.
bool hasDrawing(const QImage& picture)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) != 0)
                return true;
    return false;
}

void clearPicture(TImage* image)
{
    image->canvas().fill(Qt::transparent);
}

} // namespace

class QuorvaneFrameTest : public TessaryTest
{
protected:
    QuorvaneFrameTest()
    {
        createDatabase();
        form = std::make_unique<TMainDesktopForm>();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    ~QuorvaneFrameTest() override { Application::releaseForms(); }

    TDesktopFrame* desktop() const { return form->DesktopFrame; }
    TPelloranFrame* syncView() const { return form->PelloranFrame1; }
    TPageControl* pages() const { return form->DesktopFrame->ToolPageControl; }
    TQuorvaneFrame* panel(bool inSyncView) const
    {
        return inSyncView ? syncView()->QuorvaneFrame1 : desktop()->QuorvaneFrame1;
    }

    std::vector<bool> tabsShown() const
    {
        std::vector<bool> shown;
        for (int i = 0; i < pages()->pageCount(); ++i)
            shown.push_back(pages()->isTabVisible(i));
        return shown;
    }

    void showSyncView()
    {
        desktop()->hide();
        syncView()->show();
    }

    std::unique_ptr<TMainDesktopForm> form;
};

TEST_F(QuorvaneFrameTest, PageButtonsShowTheirPageAndTabsFromEitherCopy)
{
    struct Case
    {
        QToolButton* TQuorvaneFrame::*button;
        int page;
        std::vector<bool> tabs; // all tabs shown before the click
    };
    const bool T = true, F = false;
    const Case cases[] = {
        {&TQuorvaneFrame::sbSchedule, 0, {T, T, F, F, F, F, F}},
        // The Backup and Restore tabs keep what they had.
        {&TQuorvaneFrame::sbAddress, 2, {F, F, F, F, F, T, T}},
        {&TQuorvaneFrame::sbMemo, 3, {F, F, F, F, F, F, F}},
        {&TQuorvaneFrame::sbExpense, 4, {F, F, F, F, F, F, F}},
        {&TQuorvaneFrame::sbPassword, 5, {F, F, F, F, F, F, F}},
        {&TQuorvaneFrame::sbBackup, 5, {F, F, F, F, F, F, F}},
        {&TQuorvaneFrame::sbRestore, 6, {F, F, F, F, F, F, F}},
    };
    for (bool inSyncView : {false, true}) {
        for (const Case& c : cases) {
            TQuorvaneFrame* tools = panel(inSyncView);
            if (inSyncView && c.button == &TQuorvaneFrame::sbRestore)
                continue; // bound to nothing there
            for (int i = 0; i < pages()->pageCount(); ++i)
                pages()->setTabVisible(i, true);
            pages()->setActivePageIndex(1);
            if (inSyncView)
                showSyncView();
            const QString what = (tools->*c.button)->objectName() + (inSyncView ? " in the sync view" : "");

            (tools->*c.button)->click();
            EXPECT_EQ(pages()->ActivePageIndex(), c.page) << what.toStdString();
            EXPECT_EQ(tabsShown(), c.tabs) << what.toStdString();
            EXPECT_FALSE(desktop()->isHidden()) << what.toStdString();
            EXPECT_TRUE(syncView()->isHidden()) << what.toStdString();
        }
    }
}

TEST_F(QuorvaneFrameTest, BackupFromTheSyncViewOpensTheViewTabAndDrawsTheBanner)
{
    showSyncView();
    desktop()->PageControl1->setCurrentIndex(2);
    clearPicture(desktop()->BackupImage);

    syncView()->QuorvaneFrame1->sbBackup->click();
    EXPECT_TRUE(syncView()->isHidden());
    EXPECT_FALSE(desktop()->isHidden());
    EXPECT_EQ(pages()->ActivePageIndex(), 5);
    EXPECT_EQ(desktop()->PageControl1->currentIndex(), 0);
    EXPECT_EQ(desktop()->PageControl1->tabText(0), "View");
    EXPECT_TRUE(hasDrawing(desktop()->BackupImage->canvas()));
}

TEST_F(QuorvaneFrameTest, TheBackupPageShowsTheStartUpBannerOnceAndTheDesktopCopyDrawsNoOther)
{
    desktop()->QuorvaneFrame1->sbBackup->click();
    EXPECT_TRUE(hasDrawing(desktop()->BackupImage->canvas()));

    clearPicture(desktop()->BackupImage);
    desktop()->QuorvaneFrame1->sbSchedule->click();
    desktop()->QuorvaneFrame1->sbBackup->click();
    EXPECT_EQ(pages()->ActivePageIndex(), 5);
    EXPECT_FALSE(hasDrawing(desktop()->BackupImage->canvas()));
}

TEST_F(QuorvaneFrameTest, RestoreDrawsTheBannerInTheDesktopCopyAndDoesNothingInTheSyncView)
{
    showSyncView();
    clearPicture(desktop()->RestoreImage);
    syncView()->QuorvaneFrame1->sbRestore->click();
    EXPECT_FALSE(syncView()->isHidden());
    EXPECT_TRUE(desktop()->isHidden());
    EXPECT_EQ(pages()->ActivePageIndex(), 0);
    EXPECT_FALSE(hasDrawing(desktop()->RestoreImage->canvas()));

    syncView()->QuorvaneFrame1->sbSchedule->click();
    desktop()->QuorvaneFrame1->sbRestore->click();
    EXPECT_EQ(pages()->ActivePageIndex(), 6);
    EXPECT_TRUE(hasDrawing(desktop()->RestoreImage->canvas()));
}

TEST_F(QuorvaneFrameTest, ResizingThePanelKeepsEveryControlOnePixelNarrower)
{
    for (bool inSyncView : {false, true}) {
        TQuorvaneFrame* tools = panel(inSyncView);
        if (inSyncView)
            showSyncView();
        tools->resize(150, tools->height());
        const QList<QWidget*> controls = tools->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        ASSERT_EQ(controls.size(), 13);
        for (QWidget* control : controls)
            EXPECT_EQ(control->width(), 149) << control->objectName().toStdString();
    }
}

TEST_F(QuorvaneFrameTest, FavoritesButtonsToggleAndStartTheBrowserWhenShown)
{
    TQuorvaneFrame* tools = panel(true);
    ASSERT_TRUE(tools->sbUnGhost->isHidden());
    ASSERT_TRUE(tools->sbGhosted->isHidden());

    tools->sbUnGhost->click();
    EXPECT_FALSE(tools->sbUnGhost->isHidden());
    EXPECT_FALSE(tools->sbGhosted->isHidden());
    ASSERT_EQ(dialogs.shellRequests.size(), 1u);
    EXPECT_EQ(dialogs.shellRequests[0].verb, "open");
    EXPECT_EQ(dialogs.shellRequests[0].file, "IEXPLORE.EXE");
    EXPECT_TRUE(dialogs.shellRequests[0].params.isEmpty());

    tools->sbGhosted->click();
    EXPECT_TRUE(tools->sbUnGhost->isHidden());
    EXPECT_TRUE(tools->sbGhosted->isHidden());
    EXPECT_EQ(dialogs.shellRequests.size(), 1u);
}

TEST_F(QuorvaneFrameTest, ReaderButtonOpensANewReaderFormModallyEachTime)
{
    std::vector<QWidget*> shown;
    const auto closeWhenModal = [&shown] {
        auto* poll = new QTimer;
        const QDeadlineTimer deadline(5000);
        QObject::connect(poll, &QTimer::timeout, [poll, deadline, &shown] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown.push_back(modal);
                static_cast<QDialog*>(modal)->reject();
            } else if (!deadline.hasExpired()) {
                return;
            }
            poll->deleteLater();
        });
        poll->start(10);
    };

    closeWhenModal();
    panel(false)->MP3SpeedButton->click();
    QPointer<TForm1> first = Form1;
    closeWhenModal();
    panel(true)->MP3SpeedButton->click();

    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], first.data());
    EXPECT_EQ(shown[1], Form1.data());
    EXPECT_NE(first.data(), Form1.data());
    EXPECT_FALSE(first.isNull()) << "the earlier form lives on";
}

TEST_F(QuorvaneFrameTest, ButtonsStayReadableWhenHoveredAndPressed)
{
    // White glyph and caption need a dark field: most of a hovered or pressed button must
    // stay far from white.
    const auto lightShare = [](QToolButton* button) {
        const QImage picture = button->grab().toImage();
        int light = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                light += qGray(picture.pixel(x, y)) > 170;
        return double(light) / (picture.width() * picture.height());
    };
    for (bool inSyncView : {false, true}) {
        SCOPED_TRACE(inSyncView);
        QToolButton* button = panel(inSyncView)->sbSchedule;
        button->setAttribute(Qt::WA_UnderMouse, true);
        EXPECT_LT(lightShare(button), 0.3) << "hovered";
        button->setDown(true);
        EXPECT_LT(lightShare(button), 0.3) << "pressed";
        button->setDown(false);
        button->setAttribute(Qt::WA_UnderMouse, false);
    }
}

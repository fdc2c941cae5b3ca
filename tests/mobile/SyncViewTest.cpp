#include "mobile/PelloranFrameFixture.h"
#include "support/DragStrip.h"

#include <QFrame>
#include <QListWidget>

using SyncViewTest = PelloranFrameFixture;

TEST_F(SyncViewTest, EachSplitterMovesThePaneItIsAlignedAgainstAndTheFileListGivesWay)
{
    ASSERT_EQ(frame->ToolPanel->width(), 100);
    ASSERT_EQ(frame->lvSyncs->height(), 72);
    const QRect files = frame->lvFiles->geometry();
    const QRect right = frame->Panel2->geometry();

    dragStrip(frame->Splitter2, {40, 0});
    EXPECT_EQ(frame->ToolPanel->width(), 140);
    EXPECT_EQ(frame->Panel2->geometry(), right.adjusted(40, 0, 0, 0));
    dragStrip(frame->Splitter1, {0, 30});
    EXPECT_EQ(frame->lvSyncs->height(), 102);
    EXPECT_EQ(frame->lvFiles->geometry(), files.adjusted(0, 30, -40, 0));

    // Neither the pane nor what gives way becomes smaller than 30 pixels.
    dragStrip(frame->Splitter1, {0, -500});
    EXPECT_EQ(frame->lvSyncs->height(), 30);
    dragStrip(frame->Splitter1, {0, 5000});
    EXPECT_EQ(frame->lvFiles->height(), 30);
    dragStrip(frame->Splitter2, {-500, 0});
    EXPECT_EQ(frame->ToolPanel->width(), 30);
    dragStrip(frame->Splitter2, {5000, 0});
    EXPECT_EQ(frame->Panel2->width(), 30);
}

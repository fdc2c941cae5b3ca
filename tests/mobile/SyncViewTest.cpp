#include "mobile/PelloranFrameFixture.h"
#include "support/DragStrip.h"

#include <QFrame>
#include <QListWidget>
#include <QStyle>
#include <QStyleOption>

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

TEST_F(SyncViewTest, TheFileListDrawsGridLinesAtEachCellsRightAndBottomEdge)
{
    std::vector<TSyncRow> rows(2);
    rows[0].Name = "a.txt";
    rows[0].PcSize = 12;
    rows[1].Name = "b.txt";
    rows[1].Mark = '<';
    rows[1].MobileName = "b.txt";
    rows[1].MobileSize = 3456;
    frame->fileList()->setRows(rows);
    QStyleOption option;
    option.initFrom(frame->lvFiles);
    const QColor grid = QColor::fromRgba(
        QRgb(frame->lvFiles->style()->styleHint(QStyle::SH_Table_GridLineColor, &option, frame->lvFiles)));
    const QImage picture = frame->lvFiles->viewport()->grab().toImage();

    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < TSyncFileList::ColumnCount; ++column) {
            SCOPED_TRACE(testing::Message() << "row " << row << ", column " << column);
            const QRect cell = frame->lvFiles->visualRect(frame->fileList()->index(row, column));
            EXPECT_EQ(picture.pixelColor(cell.right(), cell.center().y()), grid);
            EXPECT_EQ(picture.pixelColor(cell.center().x(), cell.bottom()), grid);
        }
    }
}

#include "common/widgets/TDrawGrid.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

namespace {

// A grid of two columns and three rows whose cells show their place in the grid's font.
void setUp(TDrawGrid& grid, int* drawn)
{
    grid.setColCount(2);
    grid.setRowCount(3);
    grid.setColWidth(0, 60);
    grid.setColWidth(1, 40);
    grid.setDefaultRowHeight(20);
    grid.resize(101, 62);
    grid.setDrawCell([drawn](QPainter& painter, int col, int row, const QRect& rect) {
        ++*drawn;
        painter.fillRect(rect, QColor(200 - 40 * row, 100 + 50 * col, 90));
        painter.drawText(rect, Qt::AlignCenter, QStringLiteral("%1:%2").arg(col).arg(row));
    });
}

} // namespace

TEST(DrawGridTest, FixedCellsAreDrawnOnceAndAgainAfterEveryChangeThatShows)
{
    int drawn = 0;
    int drawnAlways = 0;
    TDrawGrid fixed;
    TDrawGrid always;
    setUp(fixed, &drawn);
    setUp(always, &drawnAlways);
    fixed.setFixedCells(true);

    const QImage first = fixed.grab().toImage();
    EXPECT_EQ(drawn, 6);
    EXPECT_EQ(fixed.grab().toImage(), first);
    EXPECT_EQ(drawn, 6) << "a second paint copies the cells";
    EXPECT_EQ(first, always.grab().toImage());

    const std::pair<const char*, std::function<void(TDrawGrid&)>> changes[] = {
        {"row height", [](TDrawGrid& grid) { grid.setRowHeight(1, 30); }},
        {"column width", [](TDrawGrid& grid) { grid.setColWidth(1, 25); }},
        {"size", [](TDrawGrid& grid) { grid.resize(90, 80); }},
        {"font", [](TDrawGrid& grid) { grid.setFont(QFont(grid.font().family(), 17)); }},
        {"grid lines", [](TDrawGrid& grid) { grid.setGridLineColor(Qt::darkBlue); }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        change(fixed);
        change(always);
        const int before = drawn;
        EXPECT_EQ(fixed.grab().toImage(), always.grab().toImage());
        EXPECT_GT(drawn, before);
    }
}

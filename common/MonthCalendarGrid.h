#pragma once

// The 7 x 7 grid of a month mini-calendar: a header row and six weeks, painted cell by cell
// by its owner. The area outside the cells shows the grid's background colour and every cell
// has a grid line at its right and bottom.
//
// Every left click on a cell asks selectCell, also on the current cell: the owner moves its
// selection by code (arrows, popups, ToDay), so the current cell may show another date by
// then, and a click on it must not be lost.
//
// Given the owner's selected cell, the grid's current cell is that cell whenever there is one,
// so the arrow keys move from the selected day however the selection got there, also after a
// day of another month rebuilt the grid around that month.

#include "common/MonthGrid.h"

#include <QColor>
#include <QWidget>
#include <functional>

class TMonthCalendarGrid : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Columns = 7;
    static constexpr int Rows = 7;

    TMonthCalendarGrid(QWidget* parent, int colWidth, int rowHeight);

    int colWidth() const { return m_colWidth; }
    int rowHeight() const { return m_rowHeight; }
    // The cell's rectangle without its grid line.
    QRect cellRect(int col, int row) const;
    // The cell under a point; false outside every cell.
    bool cellAt(const QPoint& point, int* col, int* row) const;

    int Col() const { return currentCell().col; }
    int Row() const { return currentCell().row; }
    // Moves the current cell without asking selectCell.
    void setCurrentCell(int col, int row);

    // The owner's selected cell; row 0 while it has none.
    using SelectedCell = std::function<MonthGrid::CellPos()>;
    void setSelectedCell(SelectedCell selected) { m_selectedCell = std::move(selected); }

    // Paints one cell; the painter is clipped to the cell's rectangle.
    using DrawCell = std::function<void(QPainter& painter, int col, int row, const QRect& rect)>;
    void setDrawCell(DrawCell draw) { m_drawCell = std::move(draw); }

signals:
    // A click or key move onto a cell, before it becomes current; clearing *canSelect keeps the old one.
    void selectCell(int col, int row, bool* canSelect);
    void mouseUp(Qt::MouseButton button, const QPoint& position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    MonthGrid::CellPos currentCell() const;
    void moveTo(int col, int row);

    int m_colWidth;
    int m_rowHeight;
    int m_col = 0;
    int m_row = 0;
    QColor m_background{0xF0, 0xF0, 0xF0};
    QColor m_lineColour{0xC0, 0xC0, 0xC0};
    DrawCell m_drawCell;
    SelectedCell m_selectedCell;
};

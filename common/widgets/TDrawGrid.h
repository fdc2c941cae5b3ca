#pragma once

// A light grid of cells that its owner paints, as the hour columns, the week header and
// the month calendars need: column widths, row heights and grid lines as the layouts give
// them, a current cell, and a draw hook per cell. Cells may hold text, which is drawn when
// no draw hook is set.

#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class TDrawGrid : public QWidget
{
    Q_OBJECT
public:
    explicit TDrawGrid(QWidget* parent = nullptr);

    void setColCount(int count);
    void setRowCount(int count);
    int ColCount() const { return static_cast<int>(m_colWidths.size()); }
    int RowCount() const { return static_cast<int>(m_rowHeights.size()); }
    void setDefaultColWidth(int width);
    void setDefaultRowHeight(int height);
    void setColWidth(int col, int width);
    void setRowHeight(int row, int height);
    int colWidth(int col) const { return m_colWidths.at(col); }
    int rowHeight(int row) const { return m_rowHeights.at(row); }
    void setGridLineWidth(int width);
    int GridLineWidth() const { return m_gridLineWidth; }
    void setGridLineColor(const QColor& colour);

    // The cell's rectangle in the grid's coordinates, without its grid line.
    QRect cellRect(int col, int row) const;
    // The cell under a point; false outside every cell.
    bool cellAt(const QPoint& point, int* col, int* row) const;

    void setCell(int col, int row, const QString& text);
    QString cell(int col, int row) const;

    int Col() const { return m_col; }
    int Row() const { return m_row; }
    // Moves the current cell without asking selectCell.
    void setCurrentCell(int col, int row);

    // Paints one cell; the painter is clipped to the cell's rectangle.
    using DrawCell = std::function<void(QPainter& painter, int col, int row, const QRect& rect)>;
    void setDrawCell(DrawCell draw);

    // For an opaque grid whose cells show nothing but what its own settings, font and colours
    // give (an hour column): the cells are drawn once into a picture that later paints copy,
    // until one of those changes.
    void setFixedCells(bool fixed);

signals:
    // A click on a cell, before it becomes current; clearing *canSelect keeps the old one.
    void selectCell(int col, int row, bool* canSelect);
    void mouseUp(Qt::MouseButton button, const QPoint& position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Drops the picture of fixed cells and repaints the area.
    void cellsChanged(const QRect& area);
    void paintCells(QPainter& painter, const QRect& area);

    std::vector<int> m_colWidths;
    std::vector<int> m_rowHeights;
    std::vector<QStringList> m_cells; // by row
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    int m_gridLineWidth = 1;
    QColor m_gridLineColor;
    int m_col = 0;
    int m_row = 0;
    DrawCell m_drawCell;
    bool m_fixedCells = false;
    QPixmap m_picture;
};

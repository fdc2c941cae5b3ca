#include "common/widgets/TDrawGrid.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TDrawGrid::TDrawGrid(QWidget* parent) : QWidget(parent)
{
    setGridLineColor(Qt::lightGray);
    setColCount(5);
    setRowCount(5);
}

void TDrawGrid::setColCount(int count)
{
    m_colWidths.resize(std::max(count, 0), m_defaultColWidth);
    update();
}

void TDrawGrid::setRowCount(int count)
{
    m_rowHeights.resize(std::max(count, 0), m_defaultRowHeight);
    m_cells.resize(m_rowHeights.size());
    update();
}

void TDrawGrid::setDefaultColWidth(int width)
{
    m_defaultColWidth = width;
    std::fill(m_colWidths.begin(), m_colWidths.end(), width);
    update();
}

void TDrawGrid::setDefaultRowHeight(int height)
{
    m_defaultRowHeight = height;
    std::fill(m_rowHeights.begin(), m_rowHeights.end(), height);
    update();
}

void TDrawGrid::setColWidth(int col, int width)
{
    m_colWidths.at(col) = width;
    update();
}

void TDrawGrid::setRowHeight(int row, int height)
{
    m_rowHeights.at(row) = height;
    update();
}

void TDrawGrid::setGridLineWidth(int width)
{
    m_gridLineWidth = width;
    update();
}

void TDrawGrid::setGridLineColor(const QColor& colour)
{
    m_gridLineColor = colour;
    // Painting starts by covering the dirty area in this colour, so nothing beneath shows
    // through unless the colour does.
    setAttribute(Qt::WA_OpaquePaintEvent, colour.alpha() == 255);
    update();
}

QRect TDrawGrid::cellRect(int col, int row) const
{
    int x = 0;
    for (int c = 0; c < col; ++c)
        x += m_colWidths[c] + m_gridLineWidth;
    int y = 0;
    for (int r = 0; r < row; ++r)
        y += m_rowHeights[r] + m_gridLineWidth;
    return QRect(x, y, m_colWidths.at(col), m_rowHeights.at(row));
}

bool TDrawGrid::cellAt(const QPoint& point, int* col, int* row) const
{
    int x = 0;
    for (int c = 0; c < ColCount(); x += m_colWidths[c++] + m_gridLineWidth) {
        if (point.x() < x || point.x() >= x + m_colWidths[c] + m_gridLineWidth)
            continue;
        int y = 0;
        for (int r = 0; r < RowCount(); y += m_rowHeights[r++] + m_gridLineWidth) {
            if (point.y() >= y && point.y() < y + m_rowHeights[r] + m_gridLineWidth) {
                *col = c;
                *row = r;
                return true;
            }
        }
    }
    return false;
}

void TDrawGrid::setCell(int col, int row, const QString& text)
{
    QStringList& cells = m_cells.at(row);
    while (cells.size() <= col)
        cells.append(QString());
    cells[col] = text;
    update(cellRect(col, row));
}

QString TDrawGrid::cell(int col, int row) const
{
    const QStringList& cells = m_cells.at(row);
    return col < cells.size() ? cells[col] : QString();
}

void TDrawGrid::setCurrentCell(int col, int row)
{
    m_col = col;
    m_row = row;
    update();
}

void TDrawGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_gridLineColor);
    // Running offsets rather than cellRect, which sums the sizes before each cell again.
    int y = 0;
    for (int row = 0; row < RowCount(); y += m_rowHeights[row++] + m_gridLineWidth) {
        int x = 0;
        for (int col = 0; col < ColCount(); x += m_colWidths[col++] + m_gridLineWidth) {
            const QRect rect(x, y, m_colWidths[col], m_rowHeights[row]);
            if (!event->rect().intersects(rect))
                continue;
            painter.save();
            painter.setClipRect(rect);
            if (m_drawCell) {
                m_drawCell(painter, col, row, rect);
            } else {
                painter.fillRect(rect, palette().base());
                painter.drawText(rect.adjusted(2, 2, -2, -2), Qt::AlignLeft | Qt::AlignTop, cell(col, row));
            }
            painter.restore();
        }
    }
}

void TDrawGrid::mousePressEvent(QMouseEvent* event)
{
    int col = 0;
    int row = 0;
    if (event->button() != Qt::LeftButton || !cellAt(event->position().toPoint(), &col, &row))
        return;
    if (col == m_col && row == m_row)
        return;
    bool canSelect = true;
    emit selectCell(col, row, &canSelect);
    if (canSelect)
        setCurrentCell(col, row);
}

void TDrawGrid::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(event->button(), event->position().toPoint());
}

#include "common/MonthCalendarGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {
constexpr int LineWidth = 1;
}

TMonthCalendarGrid::TMonthCalendarGrid(QWidget* parent, int colWidth, int rowHeight)
    : QWidget(parent), m_colWidth(colWidth), m_rowHeight(rowHeight)
{
    setFocusPolicy(Qt::StrongFocus);
}

QRect TMonthCalendarGrid::cellRect(int col, int row) const
{
    return QRect(col * (m_colWidth + LineWidth), row * (m_rowHeight + LineWidth), m_colWidth, m_rowHeight);
}

bool TMonthCalendarGrid::cellAt(const QPoint& point, int* col, int* row) const
{
    if (point.x() < 0 || point.y() < 0)
        return false;
    const int c = point.x() / (m_colWidth + LineWidth);
    const int r = point.y() / (m_rowHeight + LineWidth);
    if (c >= Columns || r >= Rows)
        return false;
    *col = c;
    *row = r;
    return true;
}

void TMonthCalendarGrid::setCurrentCell(int col, int row)
{
    m_col = col;
    m_row = row;
}

MonthGrid::CellPos TMonthCalendarGrid::currentCell() const
{
    if (m_selectedCell) {
        const MonthGrid::CellPos selected = m_selectedCell();
        if (selected.row > 0)
            return selected;
    }
    return {m_row, m_col};
}

void TMonthCalendarGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_background);
    painter.fillRect(QRect(0, 0, Columns * (m_colWidth + LineWidth), Rows * (m_rowHeight + LineWidth)),
                     m_lineColour);
    if (!m_drawCell)
        return;
    for (int row = 0; row < Rows; ++row) {
        for (int col = 0; col < Columns; ++col) {
            const QRect rect = cellRect(col, row);
            if (!event->rect().intersects(rect))
                continue;
            painter.save();
            painter.setClipRect(rect);
            m_drawCell(painter, col, row, rect);
            painter.restore();
        }
    }
}

void TMonthCalendarGrid::mousePressEvent(QMouseEvent* event)
{
    int col = 0;
    int row = 0;
    if (event->button() == Qt::LeftButton && cellAt(event->position().toPoint(), &col, &row))
        moveTo(col, row);
}

void TMonthCalendarGrid::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(event->button(), event->position().toPoint());
}

void TMonthCalendarGrid::keyPressEvent(QKeyEvent* event)
{
    const MonthGrid::CellPos from = currentCell();
    int col = from.col;
    int row = from.row;
    switch (event->key()) {
    case Qt::Key_Left:
        --col;
        break;
    case Qt::Key_Right:
        ++col;
        break;
    case Qt::Key_Up:
        --row;
        break;
    case Qt::Key_Down:
        ++row;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (col >= 0 && col < Columns && row >= 0 && row < Rows && (col != from.col || row != from.row))
        moveTo(col, row);
}

void TMonthCalendarGrid::moveTo(int col, int row)
{
    bool canSelect = true;
    emit selectCell(col, row, &canSelect);
    if (canSelect)
        setCurrentCell(col, row);
}

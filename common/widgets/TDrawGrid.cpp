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
    cellsChanged(rect());
}

void TDrawGrid::setRowCount(int count)
{
    m_rowHeights.resize(std::max(count, 0), m_defaultRowHeight);
    m_cells.resize(m_rowHeights.size());
    cellsChanged(rect());
}

void TDrawGrid::setDefaultColWidth(int width)
{
    m_defaultColWidth = width;
    std::fill(m_colWidths.begin(), m_colWidths.end(), width);
    cellsChanged(rect());
}

void TDrawGrid::setDefaultRowHeight(int height)
{
    m_defaultRowHeight = height;
    std::fill(m_rowHeights.begin(), m_rowHeights.end(), height);
    cellsChanged(rect());
}

void TDrawGrid::setColWidth(int col, int width)
{
    m_colWidths.at(col) = width;
    cellsChanged(rect());
}

void TDrawGrid::setRowHeight(int row, int height)
{
    m_rowHeights.at(row) = height;
    cellsChanged(rect());
}

void TDrawGrid::setGridLineWidth(int width)
{
    m_gridLineWidth = width;
    cellsChanged(rect());
}

void TDrawGrid::setGridLineColor(const QColor& colour)
{
    m_gridLineColor = colour;
    // Painting starts by covering the dirty area in this colour, so nothing beneath shows
    // through unless the colour does.
    setAttribute(Qt::WA_OpaquePaintEvent, colour.alpha() == 255);
    cellsChanged(rect());
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
    cellsChanged(cellRect(col, row));
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
    cellsChanged(rect());
}

void TDrawGrid::setDrawCell(DrawCell draw)
{
    m_drawCell = std::move(draw);
    cellsChanged(rect());
}

void TDrawGrid::setFixedCells(bool fixed)
{
    m_fixedCells = fixed;
    cellsChanged(rect());
}

void TDrawGrid::cellsChanged(const QRect& area)
{
    m_picture = QPixmap();
    update(area);
}

void TDrawGrid::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
    case QEvent::LayoutDirectionChange:
        m_picture = QPixmap();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void TDrawGrid::paintEvent(QPaintEvent* event)
{
    // A grid that lets its background show through is painted afresh each time.
    if (!m_fixedCells || !testAttribute(Qt::WA_OpaquePaintEvent)) {
        QPainter painter(this);
        paintCells(painter, event->rect());
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (m_picture.isNull() || m_picture.deviceIndependentSize() != QSizeF(size()) ||
        m_picture.devicePixelRatio() != ratio) {
        m_picture = QPixmap(size() * ratio);
        m_picture.setDevicePixelRatio(ratio);
        QPainter picture(&m_picture);
        // What a painter on the widget itself starts with.
        picture.setFont(font());
        picture.setPen(palette().color(foregroundRole()));
        picture.setLayoutDirection(layoutDirection());
        paintCells(picture, rect());
    }
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.drawPixmap(exposed, m_picture,
                       QRectF(exposed.topLeft() * ratio, exposed.size() * ratio).toAlignedRect());
}

void TDrawGrid::paintCells(QPainter& painter, const QRect& area)
{
    painter.fillRect(area, m_gridLineColor);
    // Running offsets rather than cellRect, which sums the sizes before each cell again.
    int y = 0;
    for (int row = 0; row < RowCount(); y += m_rowHeights[row++] + m_gridLineWidth) {
        int x = 0;
        for (int col = 0; col < ColCount(); x += m_colWidths[col++] + m_gridLineWidth) {
            const QRect rect(x, y, m_colWidths[col], m_rowHeights[row]);
            if (!area.intersects(rect))
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

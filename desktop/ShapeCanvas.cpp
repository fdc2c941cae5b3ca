#include "desktop/ShapeCanvas.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

// The outline lies inside the rectangle, one pixel wide, as a shape control draws it.
void drawShape(QPainter& painter, const QRect& rect, const QColor& brush, const QColor& pen)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.fillRect(rect, brush);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

} // namespace

TRectShape::TRectShape(QWidget* parent, const QColor& brush, const QColor& pen)
    : QWidget(parent), m_brush(brush), m_pen(pen)
{
}

void TRectShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawShape(painter, rect(), m_brush, m_pen);
}

TShapeCanvas::TShapeCanvas(QWidget* parent) : QWidget(parent) {}

void TShapeCanvas::add(const QRect& rect, const QColor& brush, const QColor& pen)
{
    m_shapes.push_back({rect, brush, pen});
    update(rect);
}

void TShapeCanvas::clear()
{
    m_shapes.clear();
    update();
}

void TShapeCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    for (const Shape& shape : m_shapes)
        if (shape.rect.intersects(event->rect()))
            drawShape(painter, shape.rect, shape.brush, shape.pen);
}

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

TShapeCanvas::TShapeCanvas(QWidget* parent, const QColor& background)
    : QWidget(parent), m_background(background)
{
    // An opaque picture is copied rather than blended, and spares the parent's background.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TShapeCanvas::add(const QRect& rect, const QColor& brush, const QColor& pen)
{
    m_shapes.push_back({rect, brush, pen});
    m_picture = QPixmap();
    update(rect);
}

void TShapeCanvas::clear()
{
    m_shapes.clear();
    m_picture = QPixmap();
    update();
}

void TShapeCanvas::paintEvent(QPaintEvent* event)
{
    const qreal ratio = devicePixelRatioF();
    if (m_picture.isNull() || m_picture.deviceIndependentSize() != QSizeF(size())) {
        m_picture = QPixmap(size() * ratio);
        m_picture.setDevicePixelRatio(ratio);
        m_picture.fill(m_background);
        QPainter picture(&m_picture);
        for (const Shape& shape : m_shapes)
            drawShape(picture, shape.rect, shape.brush, shape.pen);
    }
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.drawPixmap(exposed, m_picture,
                       QRectF(exposed.topLeft() * ratio, exposed.size() * ratio).toAlignedRect());
}

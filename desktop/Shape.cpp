#include "desktop/Shape.h"

#include <QPainter>

TShape::TShape(const QColor& brush, const QColor& pen, QWidget* parent)
    : QWidget(parent), m_brush(brush), m_pen(pen)
{
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(m_brush);
    painter.setPen(m_pen);
    const int radius = height() / 4;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

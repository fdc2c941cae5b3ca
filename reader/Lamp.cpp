#include "reader/Lamp.h"

#include <QPainter>

TLamp::TLamp(QWidget* parent) : QWidget(parent) {}

void TLamp::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void TLamp::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(m_color);
    painter.setPen(Qt::black);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

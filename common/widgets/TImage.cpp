#include "common/widgets/TImage.h"

#include "platform/Application.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

TImage::TImage(QWidget* parent) : QWidget(parent) {}

QImage& TImage::canvas()
{
    if (m_picture.isNull())
        setPictureSize(size().expandedTo(QSize(1, 1)));
    return m_picture;
}

void TImage::setPictureSize(const QSize& size)
{
    QImage resized(size, m_transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    resized.fill(m_transparent ? Qt::transparent : Qt::white);
    if (!m_picture.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, m_picture);
    }
    m_picture = resized;
    update();
}

void TImage::setCentered(bool centered)
{
    m_centered = centered;
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    QPoint at(0, 0);
    if (m_centered)
        at = QPoint((width() - m_picture.width()) / 2, (height() - m_picture.height()) / 2);
    painter.drawImage(at, m_picture);
}

void TImage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_firstDraw)
        runGuarded([this, draw = std::exchange(m_firstDraw, nullptr)] { draw(canvas()); });
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TImage::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event);
}

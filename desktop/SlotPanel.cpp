#include "desktop/SlotPanel.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>

TSlotPanel::TSlotPanel(QWidget* parent, const QColor& colour, int tag)
    : QFrame(parent), Tag(tag), m_color(colour)
{
    setFrameShape(QFrame::NoFrame);
    setAcceptDrops(true);
    // The panel covers itself in its colour, so nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent, m_color.alpha() == 255);
}

void TSlotPanel::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(event->rect(), m_color);
}

void TSlotPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(this);
}

void TSlotPanel::askDragOver(QDragMoveEvent* event)
{
    bool accept = true;
    emit dragOver(this, event->source(), &accept);
    if (accept)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TSlotPanel::dragEnterEvent(QDragEnterEvent* event)
{
    askDragOver(event);
}

void TSlotPanel::dragMoveEvent(QDragMoveEvent* event)
{
    askDragOver(event);
}

void TSlotPanel::dropEvent(QDropEvent* event)
{
    emit dragDrop(this, event->source());
    event->acceptProposedAction();
}

#include "desktop/PaneSplitter.h"

#include "platform/Application.h"

#include <QFrame>
#include <QLayout>
#include <QMouseEvent>
#include <algorithm>

namespace {

// The visible sibling of `strip` whose edge touches the strip's left (-1) or right (+1) edge.
QWidget* neighbour(const QWidget* strip, int side)
{
    for (QWidget* sibling : strip->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (sibling == strip || sibling->isHidden())
            continue;
        const bool touches = side < 0 ? sibling->geometry().right() + 1 == strip->x()
                                      : sibling->x() == strip->geometry().right() + 1;
        if (touches)
            return sibling;
    }
    return nullptr;
}

} // namespace

TPaneSplitter::TPaneSplitter(QFrame* strip, int minSize, CanResize canResize)
    : QObject(strip), m_strip(strip), m_minSize(minSize), m_canResize(std::move(canResize))
{
    strip->installEventFilter(this);
}

bool TPaneSplitter::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        begin(qRound(mouse->globalPosition().x()));
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!m_pane || !(mouse->buttons() & Qt::LeftButton))
            return false;
        runGuarded([&] { moveTo(qRound(mouse->globalPosition().x())); });
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_pane = nullptr;
        m_list = nullptr;
        return false;
    default:
        return false;
    }
}

void TPaneSplitter::begin(int globalX)
{
    m_pane = neighbour(m_strip, +1);
    m_list = neighbour(m_strip, -1);
    m_startX = globalX;
    m_startPaneWidth = m_pane ? m_pane->width() : 0;
    m_startListWidth = m_list ? m_list->width() : 0;
}

void TPaneSplitter::moveTo(int globalX)
{
    // Dragging to the left widens the pane at the right.
    const int wanted = m_startPaneWidth - (globalX - m_startX);
    const int widest = m_list ? m_startPaneWidth + m_startListWidth - m_minSize : wanted;
    int newSize = std::clamp(wanted, m_minSize, std::max(widest, m_minSize));
    if (newSize == m_pane->width())
        return;
    bool accept = true;
    m_canResize(m_strip, &newSize, &accept);
    if (!accept)
        return;
    m_pane->resize(newSize, m_pane->height());
    QWidget* page = m_strip->parentWidget();
    if (page->layout())
        page->layout()->setGeometry(page->rect());
}

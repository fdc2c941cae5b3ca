#include "desktop/PaneSplitter.h"

#include "common/widgets/AlignLayout.h"
#include "platform/Application.h"

#include <QFrame>
#include <QMouseEvent>
#include <algorithm>

namespace {

// The visible sibling of `strip` that touches the strip's edge on the side it is aligned to.
QWidget* neighbour(const QWidget* strip, Align side)
{
    const QRect at = strip->geometry();
    for (QWidget* sibling : strip->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (sibling == strip || sibling->isHidden())
            continue;
        const QRect s = sibling->geometry();
        const bool besideRows = s.top() <= at.bottom() && at.top() <= s.bottom();
        const bool besideColumns = s.left() <= at.right() && at.left() <= s.right();
        bool touches = false;
        switch (side) {
        case Align::Left:
            touches = besideRows && s.right() + 1 == at.left();
            break;
        case Align::Right:
            touches = besideRows && s.left() == at.right() + 1;
            break;
        case Align::Top:
            touches = besideColumns && s.bottom() + 1 == at.top();
            break;
        case Align::Bottom:
            touches = besideColumns && s.top() == at.bottom() + 1;
            break;
        case Align::Client:
            break;
        }
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
        begin(mouse->globalPosition());
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!m_pane || !(mouse->buttons() & Qt::LeftButton))
            return false;
        runGuarded([&] { moveTo(mouse->globalPosition()); });
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_pane = nullptr;
        m_givingWay = nullptr;
        return false;
    default:
        return false;
    }
}

int TPaneSplitter::along(const QPointF& global) const
{
    return qRound(m_horizontal ? global.x() : global.y());
}

void TPaneSplitter::begin(const QPointF& global)
{
    m_pane = nullptr;
    const auto* layout = dynamic_cast<const AlignLayout*>(m_strip->parentWidget()->layout());
    const std::optional<Align> side = layout ? layout->alignmentOf(m_strip) : std::nullopt;
    if (!side || *side == Align::Client)
        return;
    m_horizontal = *side == Align::Left || *side == Align::Right;
    m_paneBefore = *side == Align::Left || *side == Align::Top;
    m_pane = neighbour(m_strip, *side);
    m_givingWay = layout->clientWidget();
    const auto sizeOf = [this](const QWidget* w) {
        return w ? (m_horizontal ? w->width() : w->height()) : 0;
    };
    m_start = along(global);
    m_startPaneSize = sizeOf(m_pane);
    m_startGivingWaySize = sizeOf(m_givingWay);
}

void TPaneSplitter::moveTo(const QPointF& global)
{
    const int moved = along(global) - m_start;
    const int wanted = m_paneBefore ? m_startPaneSize + moved : m_startPaneSize - moved;
    const int largest = m_givingWay ? m_startPaneSize + m_startGivingWaySize - m_minSize : wanted;
    int newSize = std::clamp(wanted, m_minSize, std::max(largest, m_minSize));
    if (newSize == (m_horizontal ? m_pane->width() : m_pane->height()))
        return;
    bool accept = true;
    if (m_canResize)
        m_canResize(m_strip, &newSize, &accept);
    if (!accept)
        return;
    if (m_horizontal)
        m_pane->resize(newSize, m_pane->height());
    else
        m_pane->resize(m_pane->width(), newSize);
    QWidget* parent = m_strip->parentWidget();
    parent->layout()->setGeometry(parent->rect());
}

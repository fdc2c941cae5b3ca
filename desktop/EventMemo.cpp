#include "desktop/EventMemo.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace {
constexpr int BorderWidth = 2;
constexpr int TextMargin = 2;
} // namespace

TEventMemo::TEventMemo(QWidget* parent) : QWidget(parent), m_color(Qt::white), m_fontColor(Qt::black)
{
    // Clicking gives the focus, so the Delete key reaches the memo; tabbing never does.
    setFocusPolicy(Qt::ClickFocus);
}

void TEventMemo::setColor(const QColor& colour)
{
    if (colour == m_color)
        return;
    m_color = colour;
    update();
}

void TEventMemo::setFontColor(const QColor& colour)
{
    if (colour == m_fontColor)
        return;
    m_fontColor = colour;
    update();
}

void TEventMemo::setText(const QString& text)
{
    m_text = text;
    m_shownText = text;
    m_shownText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_shownText.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // Painted rather than a text box, so a screen reader learns the text from the name.
    setAccessibleName(m_shownText);
    update();
}

void TEventMemo::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QBrush fill(m_color);
    qDrawWinPanel(&painter, rect(), palette(), true, &fill);
    painter.setPen(m_fontColor);
    const int inset = BorderWidth + TextMargin;
    painter.drawText(rect().adjusted(inset, BorderWidth, -inset, -BorderWidth),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_shownText);
}

void TEventMemo::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(this, event->button());
}

void TEventMemo::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(this);
}

void TEventMemo::keyReleaseEvent(QKeyEvent* event)
{
    int key = event->key();
    emit keyUp(this, &key);
    if (key != 0)
        QWidget::keyReleaseEvent(event);
}

void TEventMemo::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu acts on the memo it was opened on, so the memo is chosen first.
    emit mouseUp(this, Qt::RightButton);
    if (PopupMenu)
        PopupMenu->popup(event->globalPos());
}

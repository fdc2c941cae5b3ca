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

// Draws the pixels of qDrawWinPanel's sunken panel as filled rectangles, which cost the raster
// engine a fraction of its polylines; a view paints dozens of memos at every rebuild. Where the
// lines would not be whole pixels at least three long, qDrawWinPanel draws them itself.
void drawSunkenPanel(QPainter& painter, const QRect& rect, const QPalette& palette, const QBrush& fill)
{
    if (painter.device()->devicePixelRatio() != 1 || rect.width() < 3 || rect.height() < 3) {
        qDrawWinPanel(&painter, rect, palette, true, &fill);
        return;
    }
    const int left = rect.left(), top = rect.top(), right = rect.right(), bottom = rect.bottom();
    auto line = [&painter](int x1, int y1, int x2, int y2, const QColor& colour) {
        painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), colour);
    };
    line(left, top, left, bottom - 1, palette.dark().color());
    line(left, top, right - 1, top, palette.dark().color());
    line(left, bottom, right, bottom, palette.light().color());
    line(right, top, right, bottom, palette.light().color());
    if (rect.width() <= 4 || rect.height() <= 4)
        return;
    line(left + 1, top + 1, left + 1, bottom - 2, palette.shadow().color());
    line(left + 1, top + 1, right - 2, top + 1, palette.shadow().color());
    line(left + 1, bottom - 1, right - 1, bottom - 1, palette.midlight().color());
    line(right - 1, top + 1, right - 1, bottom - 1, palette.midlight().color());
    painter.fillRect(rect.adjusted(2, 2, -2, -2), fill);
}
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
    drawSunkenPanel(painter, rect(), palette(), QBrush(m_color));
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

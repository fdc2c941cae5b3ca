#include "common/widgets/DropDownCaptionButton.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <algorithm>

namespace {

const QSize MarkSize(7, 4);
constexpr int MarkGap = 2;
// The panel's edge, drawn only under the mouse; the caption may reach it.
constexpr int Padding = 1;
// Narrower than this a caption is no longer easy to read; it is then left to be clipped.
constexpr int MinStretch = 60;

} // namespace

TDropDownCaptionButton::TDropDownCaptionButton(QWidget* parent) : QToolButton(parent) {}

TDropDownCaptionButton::Layout TDropDownCaptionButton::layout() const
{
    const int room = width() - 2 * Padding - MarkGap - MarkSize.width();
    QFont font = this->font();
    int stretch = 100;
    while (QFontMetrics(font).horizontalAdvance(text()) > room && stretch > MinStretch) {
        stretch -= 2;
        font.setStretch(stretch);
    }
    const int captionWidth = std::min(QFontMetrics(font).horizontalAdvance(text()), room);
    const int left = (width() - captionWidth - MarkGap - MarkSize.width()) / 2;
    const QRect caption(left, 0, captionWidth, height());
    const QRect mark(QPoint(caption.right() + 1 + MarkGap, (height() - MarkSize.height()) / 2), MarkSize);
    return {font, caption, mark};
}

void TDropDownCaptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    // The flat panel, raised while the mouse is over it or the button is down.
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    const Layout place = layout();
    const QColor ink = palette().color(QPalette::ButtonText);
    painter.setFont(place.font);
    painter.setPen(ink);
    painter.drawText(place.caption, Qt::AlignLeft | Qt::AlignVCenter, text());
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    const QPoint corners[] = {place.mark.topLeft(), place.mark.topLeft() + QPoint(MarkSize.width(), 0),
                              place.mark.topLeft() + QPoint(MarkSize.width() / 2, MarkSize.height())};
    painter.drawPolygon(corners, 3);
}

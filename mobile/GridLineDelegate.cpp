#include "mobile/GridLineDelegate.h"

#include <QApplication>
#include <QPainter>

void GridLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const int colour = style->styleHint(QStyle::SH_Table_GridLineColor, &option, option.widget);
    const QRect& cell = option.rect;
    painter->save();
    painter->setPen(QColor::fromRgba(static_cast<QRgb>(colour)));
    painter->drawLine(cell.topRight(), cell.bottomRight());
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    painter->restore();
}

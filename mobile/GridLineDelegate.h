#pragma once

// Draws a list's grid lines: each cell's right and bottom edge in the style's grid colour, as a
// table view draws its own.

#include <QStyledItemDelegate>

class GridLineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

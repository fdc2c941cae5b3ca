#pragma once

// Helpers of the list and disk pages' layout files: fonts, colours and the list views'
// common set-up.

#include "desktop/DesktopFrameLayoutHelpers.h"

#include <QFont>
#include <QLabel>
#include <QTreeWidget>

namespace layout {

// The form descriptions' font: "MS Sans Serif" at a pixel height, bold or not.
inline QFont formFont(int pixels, bool bold = false)
{
    QFont font("MS Sans Serif");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A colour as the form descriptions write it: $00BBGGRR.
inline QColor bgr(unsigned value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline QLabel* label(QWidget* parent, const char* name, const QString& caption, const QFont& font)
{
    auto* text = make<QLabel>(parent, name);
    text->setText(caption);
    text->setFont(font);
    return text;
}

inline void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::ButtonText, colour);
    widget->setPalette(pal);
}

// A report-style list view: whole rows, no editing, no tree decoration.
inline QTreeWidget* reportList(QWidget* parent, const char* name, bool multiSelect)
{
    auto* list = make<QTreeWidget>(parent, name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                       : QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return list;
}

// Sets a list's column captions and, where given (> 0), widths.
inline void setColumns(QTreeWidget* list, const QStringList& captions, std::initializer_list<int> widths = {})
{
    list->setColumnCount(static_cast<int>(captions.size()));
    list->setHeaderLabels(captions);
    int column = 0;
    for (int width : widths) {
        if (width > 0)
            list->setColumnWidth(column, width);
        ++column;
    }
}

} // namespace layout

#pragma once

// Small helpers shared by the desktop frame's layout files.

#include <QAbstractButton>
#include <QColor>
#include <QFrame>
#include <QPalette>

namespace layout {

template <class W> W* make(QWidget* parent, const char* name)
{
    auto* widget = new W(parent);
    widget->setObjectName(name);
    return widget;
}

inline void fill(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
}

inline QFrame* panel(QWidget* parent, const char* name, int width, int height)
{
    auto* frame = make<QFrame>(parent, name);
    frame->resize(width, height);
    return frame;
}

// A page button that lies beneath the tool panel laid over it keeps its caption and checked
// state for the code that reads them; as nobody can see or click it, no key or assistive tool
// may reach it either.
inline void coverWithToolPanel(QAbstractButton* button)
{
    button->setFocusPolicy(Qt::NoFocus);
    button->setEnabled(false);
    button->hide();
}

} // namespace layout

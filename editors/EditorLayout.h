#pragma once

// Small helpers shared by the editors' form descriptions.

#include <QColor>
#include <QRect>
#include <QSize>

class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace editorlayout {

template <class W> W* make(QWidget* parent, const char* name)
{
    auto* widget = new W(parent);
    widget->setObjectName(name);
    return widget;
}

// A dialog of a fixed client size with only a close box, in "MS Sans Serif" of `fontPixels`.
void makeFixedDialog(QDialog* dialog, const QSize& clientSize, int fontPixels);

// A push button that Enter never presses on its own: the forms give Enter no meaning.
QPushButton* button(QWidget* parent, const char* name, const QRect& place);

// A label sized to its caption, at its top-left corner.
QLabel* label(QWidget* parent, const char* name, int x, int y);
// Sets the caption and sizes the label to it.
void setCaption(QLabel* label, const QString& caption);
void setTextColour(QWidget* widget, const QColor& colour);

// A sunken box around a group of components.
QFrame* bevelBox(QWidget* parent, const char* name, const QRect& place);
// A rectangle of one colour without an outline.
QFrame* filledRect(QWidget* parent, const char* name, const QRect& place, const QColor& colour);
// The white, single-bordered panel that holds a month mini-calendar ("CalPanel").
QFrame* calendarPanel(QWidget* parent, const QRect& place);

} // namespace editorlayout

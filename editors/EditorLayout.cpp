#include "editors/EditorLayout.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace editorlayout {

namespace {
void fill(QWidget* widget, const QColor& colour)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
}
} // namespace

void makeFixedDialog(QDialog* dialog, const QSize& clientSize, int fontPixels)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog->setFixedSize(clientSize);
    QFont font("MS Sans Serif");
    font.setPixelSize(fontPixels);
    dialog->setFont(font);
}

QPushButton* button(QWidget* parent, const char* name, const QRect& place)
{
    auto* pushButton = make<QPushButton>(parent, name);
    pushButton->setAutoDefault(false);
    pushButton->setDefault(false);
    pushButton->setGeometry(place);
    return pushButton;
}

QLabel* label(QWidget* parent, const char* name, int x, int y)
{
    auto* text = make<QLabel>(parent, name);
    text->setTextFormat(Qt::PlainText);
    text->move(x, y);
    return text;
}

void setCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->adjustSize();
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
}

QFrame* bevelBox(QWidget* parent, const char* name, const QRect& place)
{
    auto* frame = make<QFrame>(parent, name);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(place);
    return frame;
}

QFrame* filledRect(QWidget* parent, const char* name, const QRect& place, const QColor& colour)
{
    auto* frame = make<QFrame>(parent, name);
    frame->setFrameShape(QFrame::NoFrame);
    fill(frame, colour);
    frame->setGeometry(place);
    return frame;
}

QFrame* calendarPanel(QWidget* parent, const QRect& place)
{
    auto* panel = make<QFrame>(parent, "CalPanel");
    fill(panel, Qt::white);
    panel->setFrameShape(QFrame::Box);
    panel->setLineWidth(1);
    panel->setGeometry(place);
    return panel;
}

} // namespace editorlayout

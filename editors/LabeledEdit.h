#pragma once

// A one-line edit with its caption to its left, as the editors' form descriptions draw a
// labelled edit: the caption ends 3 pixels before the edit.

#include <QLabel>
#include <QLineEdit>

class TLabeledEdit : public QLineEdit
{
public:
    // `labelLeft` is where the caption's space begins; the caption is right-aligned in it.
    TLabeledEdit(QWidget* parent, const char* name, const QRect& place, int labelLeft)
        : QLineEdit(parent), EditLabel(new QLabel(parent))
    {
        setObjectName(name);
        setGeometry(place);
        EditLabel->setObjectName(QString::fromLatin1(name) + "Label");
        EditLabel->setTextFormat(Qt::PlainText);
        EditLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        EditLabel->setGeometry(labelLeft, place.y(), place.x() - 3 - labelLeft, place.height());
        EditLabel->setBuddy(this);
    }

    QLabel* EditLabel;
};

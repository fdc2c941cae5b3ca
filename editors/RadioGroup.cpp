#include "editors/RadioGroup.h"

#include <QFontMetrics>
#include <QRadioButton>

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent) {}

void TRadioGroup::setItems(const QStringList& items)
{
    for (QRadioButton* button : m_items)
        delete button;
    m_items.clear();
    for (const QString& text : items) {
        // Siblings in one parent exclude each other.
        auto* button = new QRadioButton(text, this);
        m_items.push_back(button);
    }
    arrange();
}

void TRadioGroup::setItemText(int index, const QString& text)
{
    item(index)->setText(text);
}

int TRadioGroup::ItemIndex() const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i]->isChecked())
            return static_cast<int>(i);
    return -1;
}

void TRadioGroup::setItemIndex(int index)
{
    item(index)->setChecked(true);
}

void TRadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    arrange();
}

void TRadioGroup::arrange()
{
    if (m_items.empty())
        return;
    // The rows share what the caption leaves of the height; the remainder is split above and
    // below them.
    const int captionHeight = fontMetrics().height();
    const int rows = count();
    const int space = height() - captionHeight - 5;
    const int rowHeight = space / rows;
    const int top = captionHeight + 1 + (space % rows) / 2;
    for (int i = 0; i < rows; ++i)
        item(i)->setGeometry(8, top + i * rowHeight, width() - 10, rowHeight);
}

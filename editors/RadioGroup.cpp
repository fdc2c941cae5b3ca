#include "editors/RadioGroup.h"

#include <QFontMetrics>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// A radio button whose caption breaks into further lines where one line is too narrow for
// it, so that a long choice shows whole in its row.
class WrappingRadioButton : public QRadioButton
{
public:
    WrappingRadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

    QSize sizeHint() const override
    {
        const QSize single = QRadioButton::sizeHint();
        return single.width() <= width() ? single : QSize(width(), heightForWidth(width()));
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        const QRect text = textRect(QRect(0, 0, width, QWIDGETSIZE_MAX));
        return qMax(QRadioButton::sizeHint().height(), textBounds(text).height());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_RadioButton, option);
        const QRect text = textRect(rect());
        const QRect bounds = textBounds(text);
        // The lines stand centred in the row, as a single line would.
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(text.adjusted(0, (text.height() - bounds.height()) / 2, 0, 0),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QRadioButton::text());
    }
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    QRect textRect(const QRect& area) const
    {
        const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this);
        const int spacing = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
        return area.adjusted(indicator + spacing, 0, 0, 0);
    }
    QRect textBounds(const QRect& text) const
    {
        return fontMetrics().boundingRect(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                          QRadioButton::text());
    }
};

} // namespace

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent) {}

void TRadioGroup::setItems(const QStringList& items)
{
    for (QRadioButton* button : m_items)
        delete button;
    m_items.clear();
    for (const QString& text : items) {
        // Siblings in one parent exclude each other.
        auto* button = new WrappingRadioButton(text, this);
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

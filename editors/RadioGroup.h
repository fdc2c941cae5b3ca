#pragma once

// A captioned frame of radio buttons, one column below the caption, sharing the frame's
// height evenly; exactly one or none is chosen (ItemIndex, -1 for none).

#include <QGroupBox>
#include <vector>

class QRadioButton;

class TRadioGroup : public QGroupBox
{
public:
    explicit TRadioGroup(QWidget* parent);

    void setItems(const QStringList& items);
    void setItemText(int index, const QString& text);
    QRadioButton* item(int index) const { return m_items.at(static_cast<size_t>(index)); }
    int count() const { return static_cast<int>(m_items.size()); }

    int ItemIndex() const;
    void setItemIndex(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrange();
    std::vector<QRadioButton*> m_items;
};

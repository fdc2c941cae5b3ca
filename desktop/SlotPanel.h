#pragma once

// One half-hour or hour slot of the day view's grid: a plain coloured panel that reports
// double-clicks and drags onto it, and carries its slot number in Tag.

#include <QColor>
#include <QFrame>

class TSlotPanel : public QFrame
{
    Q_OBJECT
public:
    TSlotPanel(QWidget* parent, const QColor& colour, int tag);

    const int Tag;
    QColor Color() const { return m_color; }

signals:
    void doubleClicked(QWidget* sender);
    // The handler clears *accept to refuse what is dragged from source.
    void dragOver(QWidget* sender, QObject* source, bool* accept);
    void dragDrop(QWidget* sender, QObject* source);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void askDragOver(QDragMoveEvent* event);

    QColor m_color;
};

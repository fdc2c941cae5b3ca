#pragma once

// A rounded rectangle painted in a brush and a pen colour, the backdrop of the disk pages'
// title strips.

#include <QColor>
#include <QWidget>

class TShape : public QWidget
{
    Q_OBJECT
public:
    TShape(const QColor& brush, const QColor& pen, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_brush;
    QColor m_pen;
};

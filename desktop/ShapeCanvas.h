#pragma once

// Filled rectangles with an outline. TRectShape is one such rectangle filling its widget;
// TShapeCanvas paints any number of them in the order they were added, later ones in front,
// on a background colour, so a grid of hundreds of cells costs one widget instead of hundreds;
// it draws them once into a picture, and every paint after copies from it, until the shapes or
// its size change. It covers all it spans, so nothing beneath it is painted.

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QWidget>
#include <vector>

class TRectShape : public QWidget
{
    Q_OBJECT
public:
    TRectShape(QWidget* parent, const QColor& brush, const QColor& pen);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_brush;
    QColor m_pen;
};

class TShapeCanvas : public QWidget
{
    Q_OBJECT
public:
    struct Shape
    {
        QRect rect;
        QColor brush;
        QColor pen;
    };

    TShapeCanvas(QWidget* parent, const QColor& background);

    void add(const QRect& rect, const QColor& brush, const QColor& pen);
    void clear();
    const std::vector<Shape>& shapes() const { return m_shapes; }
    bool isEmpty() const { return m_shapes.empty(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background;
    std::vector<Shape> m_shapes;
    QPixmap m_picture;
};

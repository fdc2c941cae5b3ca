#pragma once

// A status lamp of the reader form: a rounded square filled in one colour.

#include <QColor>
#include <QWidget>

class TLamp : public QWidget
{
    Q_OBJECT
public:
    explicit TLamp(QWidget* parent);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color = QColor(128, 128, 128);
};

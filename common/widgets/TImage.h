#pragma once

// A picture control with a canvas that code draws on, as the banner and the tool panel's
// gradient need: the bitmap keeps what was drawn and is painted at the top left, or
// centred, without stretching.

#include <QImage>
#include <QWidget>
#include <functional>

class TImage : public QWidget
{
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    // The bitmap to draw on; it grows to at least the control's size on first use.
    QImage& canvas();
    // Makes the bitmap exactly this size, keeping what it holds where it fits.
    void setPictureSize(const QSize& size);
    void setCentered(bool centered);
    void setTransparent(bool transparent) { m_transparent = transparent; }
    // Draws on the bitmap once, just before the control is first shown: a picture on a page
    // that may never be opened costs nothing at start-up.
    void drawWhenFirstShown(std::function<void(QImage&)> draw) { m_firstDraw = std::move(draw); }

signals:
    void clicked();
    void mouseMoved(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QImage m_picture;
    bool m_centered = false;
    bool m_transparent = false;
    std::function<void(QImage&)> m_firstDraw;
};

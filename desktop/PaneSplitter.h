#pragma once

// Makes a splitter strip drag the size of the pane it is aligned against: a strip aligned to the
// right moves the width of the pane at its right, one aligned to the top the height of the pane
// above it. The child that fills the rest of the parent gives way. Neither the pane nor that child
// becomes smaller than the minimum size, and the frame may refuse any move before it is made.

#include <QObject>
#include <QPointer>
#include <functional>

class QFrame;
class QWidget;

class TPaneSplitter : public QObject
{
public:
    // Clears *accept to refuse the move to *newSize; may also change *newSize.
    using CanResize = std::function<void(QObject* sender, int* newSize, bool* accept)>;

    // Without `canResize` every move within the minimum sizes is made.
    TPaneSplitter(QFrame* strip, int minSize, CanResize canResize = {});

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void begin(const QPointF& global);
    void moveTo(const QPointF& global);
    // The mouse position along the axis the strip moves on.
    int along(const QPointF& global) const;

    QFrame* m_strip;
    int m_minSize;
    CanResize m_canResize;
    // Set while the left button drags the strip.
    QPointer<QWidget> m_pane;
    QPointer<QWidget> m_givingWay;
    bool m_horizontal = true;
    // The pane lies at the strip's left or top: dragging away from it makes it larger.
    bool m_paneBefore = false;
    int m_start = 0;
    int m_startPaneSize = 0;
    int m_startGivingWaySize = 0;
};

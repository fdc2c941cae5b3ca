#pragma once

// Makes a right-aligned splitter strip of the list pages drag the width of the pane at its
// right. Neither the pane nor the list at its left becomes narrower than the minimum size,
// and the frame may refuse any move before it is made.

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

    TPaneSplitter(QFrame* strip, int minSize, CanResize canResize);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void begin(int globalX);
    void moveTo(int globalX);

    QFrame* m_strip;
    int m_minSize;
    CanResize m_canResize;
    // Set while the left button drags the strip.
    QPointer<QWidget> m_pane;
    QPointer<QWidget> m_list;
    int m_startX = 0;
    int m_startPaneWidth = 0;
    int m_startListWidth = 0;
};

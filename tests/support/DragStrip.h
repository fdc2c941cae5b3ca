#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

// Presses the left button on a splitter strip, moves it by `by`, lets it go.
inline void dragStrip(QWidget* strip, QPoint by)
{
    const QPointF from(1, 1);
    const QPointF to = from + by;
    auto send = [strip](QEvent::Type type, const QPointF& at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, strip->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(strip, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

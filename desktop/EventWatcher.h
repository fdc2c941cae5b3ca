#pragma once

#include "platform/Application.h"

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>

// Runs `onEvent` at every event of one type that the widget it watches receives, before the
// widget handles it.
class EventWatcher : public QObject
{
public:
    EventWatcher(QWidget* widget, QEvent::Type type, std::function<void()> onEvent)
        : QObject(widget), m_type(type), m_onEvent(std::move(onEvent))
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == m_type)
            runGuarded(m_onEvent);
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_onEvent;
};

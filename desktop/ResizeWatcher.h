#pragma once

#include "platform/Application.h"

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>

// Runs `onResize` after every size change of the widget it watches.
class ResizeWatcher : public QObject
{
public:
    ResizeWatcher(QWidget* widget, std::function<void()> onResize)
        : QObject(widget), m_onResize(std::move(onResize))
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            runGuarded(m_onResize);
        return false;
    }

private:
    std::function<void()> m_onResize;
};

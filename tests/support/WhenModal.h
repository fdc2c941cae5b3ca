#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>
#include <functional>

// Runs `act` on the next modal dialog as soon as it is up, then closes whatever it left open
// so that exec() returns; gives up after a deadline so that a dialog that never comes cannot
// hang the test.
class WhenModal
{
public:
    explicit WhenModal(std::function<void(QDialog*)> act) : m_act(std::move(act))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                m_timer.stop();
                m_ran = true;
                m_act(dialog);
                if (dialog->isVisible())
                    dialog->reject();
            } else if (m_deadline.hasExpired()) {
                m_timer.stop();
            }
        });
        m_timer.start(5);
    }
    bool ran() const { return m_ran; }

private:
    std::function<void(QDialog*)> m_act;
    QTimer m_timer;
    QDeadlineTimer m_deadline{5000};
    bool m_ran = false;
};
